#pragma once
// Module-wide reaction to damaged data. True (the program never changes it): a truncated or damaged
// frame is kept, marked corrupted, and decodes as far as its data allows. False: such data fails the
// load or the decoding. Read, never written, outside tests.
extern bool TolerateCorruptData;
