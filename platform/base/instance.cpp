#include "platform/base/instance.h"

namespace {

// Any object with a unique address does; this one names what it stands for.
char g_programModule;

}  // namespace

HINSTANCE AfxGetInstanceHandle() {
    return reinterpret_cast<HINSTANCE>(&g_programModule);
}
