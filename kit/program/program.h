#pragma once

namespace kit {

// The three games that share the kit. Whatever differs between them in the
// kit (glyph colour, file names, captions, settings section) is chosen by this.
enum class Program { Orchard, Briko, Pillora };

}  // namespace kit
