#include "platform/afx/wait_cursor.h"

#include "platform/user/cursor_api.h"

CWaitCursor::CWaitCursor() {
    vandrel::user::BeginWaitCursor();
}

CWaitCursor::~CWaitCursor() {
    vandrel::user::EndWaitCursor();
}
