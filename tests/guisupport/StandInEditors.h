#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
struct TElementTarget;

namespace GuiTest {

// Where a stand-in step editor was opened.
struct TOpened {
    int Step = 0;
    QString Window;
    // The paths of the target's items, as the verifier writes them.
    QStringList Items;
    QString Field;
    QWidget* Owner = nullptr;
};

// Stand-ins for the editors of all eight steps that only record where they
// were opened, for the windows that open an editor at an element. They are
// registered while this lives.
class TStandInEditors {
public:
    TStandInEditors();
    ~TStandInEditors();
    TStandInEditors(const TStandInEditors&) = delete;
    TStandInEditors& operator=(const TStandInEditors&) = delete;

    // What the stand-in does after recording, as an editor's session would.
    void SetSession(std::function<void(const TElementTarget&)> session) {
        Session_ = std::move(session);
    }

    QList<TOpened> Opened;
    // Opened without an element, by the step buttons.
    int PlainRuns = 0;

private:
    std::function<void(const TElementTarget&)> Session_;
};

} // namespace GuiTest
