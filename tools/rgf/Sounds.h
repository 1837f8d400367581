// The sounds of the game events, synthesised as WAVE data: card noises, chimes, fanfares and applause.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace tarvelle::rgf {

class ResourceFolder;

struct Sound {
    QString word;  // the sound word the engine plays
    QByteArray wave;
};

std::vector<Sound> makeSounds();
void addSounds(ResourceFolder& folder);

// 16-bit mono PCM in a RIFF WAVE file.
QByteArray waveFile(const std::vector<float>& samples, int rate);

}  // namespace tarvelle::rgf
