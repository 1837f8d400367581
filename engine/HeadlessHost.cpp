// A host without a screen, for tests and the command-line tool: it records
// the messages it was shown and answers questions as it was told.
#include "engine/HeadlessHost.h"

namespace tarvelle {

MessageAnswer HeadlessHost::showMessage(MessageKind kind, std::string_view title,
                                        std::string_view text, MessageButtons buttons) {
    messages.push_back({kind, std::string(title), std::string(text)});
    switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::OkCancel: return agree ? MessageAnswer::Ok : MessageAnswer::Cancel;
        case MessageButtons::YesNo: return agree ? MessageAnswer::Yes : MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

bool HeadlessHost::showAdviceBox(std::string_view text, int) {
    messages.push_back({MessageKind::Information, {}, std::string(text)});
    return tickDontShowAgain;
}

}  // namespace tarvelle
