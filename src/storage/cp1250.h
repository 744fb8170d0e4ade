// The Central European single-byte code page cp1250: the Unicode code point of
// every byte, used to read text files written by older systems.
#pragma once

namespace tarvix {

// The code point of one cp1250 byte. The five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control of the same
// number, so that no byte of a file is lost.
char32_t Cp1250ToUnicode(unsigned char byte);

}  // namespace tarvix
