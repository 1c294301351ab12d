#pragma once

// Marks a message the window shows in the user's language. The core keeps the
// English text, byte for byte what tkm prints; the window looks it up by
// context and text. Written out as the text itself, so no Qt is needed here.
#define TKM_TRANSLATE_NOOP(context, text) text
