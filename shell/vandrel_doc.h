// The document: it carries no data. Everything the animation needs lives in
// the view and in the profile file.
#pragma once

#include "platform/afx/document.h"

class CVandrelDoc : public CDocument {
    DECLARE_DYNCREATE(CVandrelDoc);

public:
    CVandrelDoc() = default;

    BOOL OnNewDocument() override;
    // The document has nothing to read or write.
    void Serialize(CArchive& ar) override;
};
