#pragma once

#include "app/shell/CFolioDoc.h"

#include <QObject>

// Counts the document's notifications that tell of one kind of change.
class ChangeCounter : public QObject {
public:
    ChangeCounter(quillset::CFolioDoc& document, quillset::CFolioDoc::Change change) {
        connect(&document, &quillset::CFolioDoc::changed, this,
                [this, change](quillset::CFolioDoc::Changes what) {
                    if (what & change)
                        ++count_;
                });
    }
    int count() const { return count_; }

private:
    int count_ = 0;
};
