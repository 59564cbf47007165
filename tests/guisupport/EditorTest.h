#pragma once

// The base of the editor tests: every test function runs on a fresh copy of
// a scenario, with at most one form of its own open on it.
#include "guisupport/FormChecks.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"

#include <QObject>
#include <QTest>

#include <memory>
#include <utility>

namespace GuiTest {

// A small clean scenario that holds every settings element.
QString WorldFolder();

class TEditorTest : public QObject {
    Q_OBJECT

public:
    // source: the scenario folder copied for each test function; empty takes
    // the shipped sample.
    explicit TEditorTest(QString source = QString());
    ~TEditorTest() override;

protected:
    TScenarioData& Data() { return Copy_->Data(); }
    QString FilePath(const QString& name) const { return Copy_->FilePath(name); }

    // Makes a TForm on the copy (args follow the scenario) and shows it; it
    // stays open until the next Open or the end of the test function.
    template <typename TForm, typename... TArgs> TForm& Open(TArgs&&... args) {
        Form_.reset();
        auto form = std::make_unique<TForm>(Data(), std::forward<TArgs>(args)...);
        TForm& shown = *form;
        Form_ = std::move(form);
        shown.show();
        return shown;
    }
    void Close() { Form_.reset(); }
    // A control of the form Open showed.
    template <typename T> T* C(const char* name) const { return Find<T>(Form_.get(), name); }

    // Run once the copy is open, and before it goes.
    virtual void Started() {}
    virtual void Finishing() {}

private slots:
    void init();
    void cleanup();

private:
    QString Source_;
    std::unique_ptr<TScenarioCopy> Copy_;
    std::unique_ptr<QWidget> Form_;
};

} // namespace GuiTest
