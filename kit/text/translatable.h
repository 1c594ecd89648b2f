#pragma once

// Marks a text that the player reads in code that knows nothing of Qt (the
// rules, the kit's core). It stays the English text here; the translation tools
// find it under this name, and the window that shows it translates it in
// `context` (QCoreApplication::translate(context, text)).
#define KIT_TRANSLATABLE(context, text) text
