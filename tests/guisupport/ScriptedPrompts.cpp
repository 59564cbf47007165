#include "guisupport/ScriptedPrompts.h"

#include <QTest>

namespace {

const char* KindName(TScriptedPrompts::TKind kind) {
    static const char* const names[] = {"message box",        "question",         "input box",
                                        "open-file dialog",   "save-file dialog", "folder chooser",
                                        "scenario selection", "list choice"};
    return names[static_cast<int>(kind)];
}

// Records problem and fails the running test with it.
void Fail(QStringList& unexpected, const QString& problem) {
    unexpected << problem;
    QTest::qFail(qPrintable(problem), __FILE__, __LINE__);
}

} // namespace

TScriptedPrompts::TScriptedPrompts() {
    Previous_ = SetPrompts(this);
}

TScriptedPrompts::~TScriptedPrompts() {
    SetPrompts(Previous_);
}

TScriptedPrompts& TScriptedPrompts::Answer(TPromptAnswer answer, const QString& title) {
    Script_.push_back({TKind::Message, title, answer, std::nullopt});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::Press(const QString& button, const QString& title) {
    Script_.push_back({TKind::Ask, title, TPromptAnswer::Ok, button});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::Type(const QString& text, const QString& caption) {
    Script_.push_back({TKind::Input, caption, TPromptAnswer::Ok, text});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::CancelInput(const QString& caption) {
    Script_.push_back({TKind::Input, caption, TPromptAnswer::Cancel, std::nullopt});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::ChooseFile(const QString& path) {
    Script_.push_back({TKind::OpenFile, QString(), TPromptAnswer::Ok, path});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::CancelFile() {
    Script_.push_back({TKind::OpenFile, QString(), TPromptAnswer::Cancel, std::nullopt});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::SaveTo(const QString& path, const QString& caption) {
    Script_.push_back({TKind::SaveFile, caption, TPromptAnswer::Ok, path});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::PickFolder(const QString& path, const QString& caption) {
    Script_.push_back({TKind::ChooseFolder, caption, TPromptAnswer::Ok, path});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::CancelFolder(const QString& caption) {
    Script_.push_back({TKind::ChooseFolder, caption, TPromptAnswer::Cancel, std::nullopt});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::Choose(const QString& scenario) {
    Script_.push_back({TKind::ChooseScenario, QString(), TPromptAnswer::Ok, scenario});
    return *this;
}
TScriptedPrompts& TScriptedPrompts::CancelChoice() {
    Script_.push_back({TKind::ChooseScenario, QString(), TPromptAnswer::Cancel, std::nullopt});
    return *this;
}

TScriptedPrompts& TScriptedPrompts::ChooseItem(int index, const QString& caption) {
    Script_.push_back({TKind::ChooseItem, caption,
                       index < 0 ? TPromptAnswer::Cancel : TPromptAnswer::Ok, std::nullopt, index});
    return *this;
}

QString TScriptedPrompts::Problems() const {
    QStringList problems = Unexpected_;
    if (!Script_.empty())
        problems << QStringLiteral("%1 scripted answer(s) not used, next: %2 %3")
                        .arg(Script_.size())
                        .arg(QLatin1String(KindName(Script_.front().Kind)))
                        .arg(Script_.front().Title);
    return problems.join(QLatin1Char('\n'));
}

QStringList TScriptedPrompts::MessageTexts() const {
    QStringList texts;
    for (const TShown& shown : Shown_)
        if (shown.Kind == TKind::Message || shown.Kind == TKind::Ask)
            texts << shown.Text;
    return texts;
}

void TScriptedPrompts::Clear() {
    Script_.clear();
    Shown_.clear();
    Unexpected_.clear();
}

bool TScriptedPrompts::Next(const TShown& shown, TStep& step) {
    Shown_.push_back(shown);
    QString problem;
    if (Script_.empty())
        problem = QStringLiteral("unscripted %1 \"%2\": %3")
                      .arg(QLatin1String(KindName(shown.Kind)), shown.Title, shown.Text);
    else if (Script_.front().Kind != shown.Kind)
        problem = QStringLiteral("expected a %1, got a %2 \"%3\": %4")
                      .arg(QLatin1String(KindName(Script_.front().Kind)),
                           QLatin1String(KindName(shown.Kind)), shown.Title, shown.Text);
    else if (!Script_.front().Title.isEmpty() && Script_.front().Title != shown.Title)
        problem = QStringLiteral("expected a %1 titled \"%2\", got \"%3\": %4")
                      .arg(QLatin1String(KindName(shown.Kind)), Script_.front().Title, shown.Title,
                           shown.Text);
    if (!problem.isEmpty()) {
        Fail(Unexpected_, problem);
        return false;
    }
    step = Script_.front();
    Script_.pop_front();
    return true;
}

TPromptAnswer TScriptedPrompts::Message(const QString& title, const QString& text,
                                        TPromptButtons buttons) {
    TStep step;
    if (!Next({TKind::Message, title, text, buttons, {}, {}}, step))
        return buttons == TPromptButtons::Ok
                   ? TPromptAnswer::Ok
                   : (buttons == TPromptButtons::YesNo ? TPromptAnswer::No : TPromptAnswer::Cancel);
    return step.Answer;
}

int TScriptedPrompts::Ask(const QString& title, const QString& text, const QStringList& buttons) {
    const int cancel = static_cast<int>(buttons.size() - 1);
    TStep step;
    if (!Next({TKind::Ask, title, text, TPromptButtons::Ok, {}, buttons}, step))
        return cancel;
    const qsizetype index = buttons.indexOf(step.Text.value_or(QString()));
    if (index < 0) {
        Fail(Unexpected_, QStringLiteral("no button \"%1\" in \"%2\": %3")
                              .arg(step.Text.value_or(QString()), title, buttons.join(", ")));
        return cancel;
    }
    return static_cast<int>(index);
}

// A prompt the script does not fit leaves step empty: declined, no text.
std::optional<QString> TScriptedPrompts::Input(const QString& caption, const QString& prompt,
                                               const QString& initial) {
    TStep step;
    Next({TKind::Input, caption, prompt, TPromptButtons::Ok, initial, {}}, step);
    return step.Text;
}

std::optional<QString> TScriptedPrompts::OpenFile(const QString& caption, const QString& folder,
                                                  const QString&) {
    TStep step;
    Next({TKind::OpenFile, caption, folder, TPromptButtons::Ok, {}, {}}, step);
    return step.Text;
}

std::optional<QString> TScriptedPrompts::SaveFile(const QString& caption, const QString& path,
                                                  const QString&) {
    TStep step;
    Next({TKind::SaveFile, caption, path, TPromptButtons::Ok, {}, {}}, step);
    return step.Text;
}

std::optional<QString> TScriptedPrompts::ChooseFolder(const QString& caption,
                                                      const QString& folder) {
    TStep step;
    Next({TKind::ChooseFolder, caption, folder, TPromptButtons::Ok, {}, {}}, step);
    return step.Text;
}

std::optional<QString> TScriptedPrompts::ChooseScenario(const QStringList& names) {
    TStep step;
    const QString title = QStringLiteral("Choose Scenario To Load");
    Next({TKind::ChooseScenario, title, {}, TPromptButtons::Ok, {}, names}, step);
    return step.Text;
}

std::optional<int> TScriptedPrompts::ChooseItem(const QString& caption, const QString& prompt,
                                                const QStringList& items) {
    TStep step;
    if (!Next({TKind::ChooseItem, caption, prompt, TPromptButtons::Ok, {}, items}, step) ||
        step.Answer == TPromptAnswer::Cancel)
        return std::nullopt;
    if (step.Index >= items.size()) {
        Fail(Unexpected_, QStringLiteral("scripted item %1 of %2 offered in \"%3\"")
                              .arg(step.Index)
                              .arg(items.size())
                              .arg(caption));
        return std::nullopt;
    }
    return step.Index;
}
