// The twelve pointer shapes of the table: two arrows and two hands of each side, plain and while dragging.
#pragma once

namespace tarvelle::rgf {

class ResourceFolder;

void addCursors(ResourceFolder& folder);

}  // namespace tarvelle::rgf
