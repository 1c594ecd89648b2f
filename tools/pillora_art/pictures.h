#pragma once

#include <QImage>

namespace pillora_art {

// The picture of the main window's side panel: a jar of capsules with a few
// capsules and tablets spilled in front of it, 120 x 150, on a clear ground.
QImage pillsPicture();

// The picture of the options window: a friendly rod-shaped microbe, 45 x 105.
QImage microbePicture();

// The program icon at `size` x `size` pixels: a capsule and a virus.
QImage programIcon(int size);

// The five viruses side by side, twice their size, each over an upright
// capsule of its colour, for the help document.
QImage virusGallery();

}  // namespace pillora_art
