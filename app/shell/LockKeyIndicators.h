#pragma once

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;

namespace quillset {

// "CAP", "NUM" and "SCRL" in the status bar, each shown while its lock is
// on and named for screen readers by its lock and state ("Caps Lock on").
// Only where the program can read the lock keys (X11); elsewhere there
// are no indicators at all.
class LockKeyIndicators : public QObject {
    Q_OBJECT
public:
    static bool available();

    // Adds the three panes to `bar`, which owns this object.
    explicit LockKeyIndicators(QStatusBar& bar);

    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 3> labels_{};
};

} // namespace quillset
