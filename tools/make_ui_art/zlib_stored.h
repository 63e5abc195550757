// A zlib stream (RFC 1950) whose deflate data (RFC 1951) is nothing but
// stored blocks. Icons of a few kilobytes gain nothing worth a compressor,
// and every PNG reader must accept stored blocks.
#pragma once

#include "dib.h"

namespace ui_art {

Bytes ZlibStored(const Bytes& data);

}  // namespace ui_art
