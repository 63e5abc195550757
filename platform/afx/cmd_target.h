// The framework's base of everything that handles commands: a message map
// and the command lookup through it.
#pragma once

#include "platform/afx/afx_ids.h"
#include "platform/afx/message_map.h"
#include "platform/base/object.h"

// Given to OnCmdMsg to ask whether a handler exists without running it.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget);

public:
    // Runs the handler of command `nID` (CN_COMMAND) or its update handler
    // (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) from this object's map;
    // TRUE when there was one. With pHandlerInfo, only looks.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    static const vandrel::afx::MessageMap* GetThisMessageMap();
    virtual const vandrel::afx::MessageMap* GetMessageMap() const;

protected:
    // The first entry along the map chain for window message `message`.
    const vandrel::afx::MessageMapEntry* FindMessageEntry(UINT message) const;
};
