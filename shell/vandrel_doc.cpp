#include "shell/vandrel_doc.h"

IMPLEMENT_DYNCREATE(CVandrelDoc, CDocument)

BOOL CVandrelDoc::OnNewDocument() {
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}

void CVandrelDoc::Serialize(CArchive& /*ar*/) {}
