#include "platform/afx/cmd_target.h"

#include "platform/afx/cmd_ui.h"

using vandrel::afx::EntryKind;
using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMap map{nullptr, {}};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const MessageMapEntry& entry : map->entries) {
            if (entry.kind == EntryKind::Message && entry.message == message) {
                return &entry;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    const EntryKind wanted =
        nCode == CN_UPDATE_COMMAND_UI ? EntryKind::UpdateCommandUI : EntryKind::Command;
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const MessageMapEntry& entry : map->entries) {
            if (entry.kind != wanted || entry.id != nID) {
                continue;
            }
            if (pHandlerInfo != nullptr) {
                pHandlerInfo->pTarget = this;
                return TRUE;
            }
            entry.invoke(*this, 0, 0, pExtra);
            return TRUE;
        }
    }
    return FALSE;
}
