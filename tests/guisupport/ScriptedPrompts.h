#pragma once

#include "app/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

// Answers the program's prompts from a script and records every prompt
// shown. Installed while it exists. A prompt for which no answer was
// scripted (or whose kind or title differs from the script) fails the
// running test and is declined (Cancel / No / nothing chosen).
//
//     TScriptedPrompts prompts;
//     prompts.Type("New Sample").Answer(TPromptAnswer::No, "Overwrite").CancelInput();
//     form.OpenScenario();
//     QVERIFY(prompts.Done());
class TScriptedPrompts : public TPrompts {
public:
    enum class TKind {
        Message,
        Ask,
        Input,
        OpenFile,
        SaveFile,
        ChooseFolder,
        ChooseScenario,
        ChooseItem
    };

    struct TShown {
        TKind Kind;
        QString Title; // the caption of the box or dialog
        QString Text;  // message text, input prompt, or dialog folder
        TPromptButtons Buttons = TPromptButtons::Ok;
        QString Initial;     // input box start text
        QStringList Choices; // scenario names, items or buttons offered
    };

    TScriptedPrompts();
    ~TScriptedPrompts() override;

    // Script the next prompts, in order. A title (or caption) given here
    // must match the prompt's.
    TScriptedPrompts& Answer(TPromptAnswer answer, const QString& title = QString());
    TScriptedPrompts& Ok(const QString& title = QString()) {
        return Answer(TPromptAnswer::Ok, title);
    }
    // Presses the button captioned button in a question with its own buttons.
    TScriptedPrompts& Press(const QString& button, const QString& title = QString());
    TScriptedPrompts& Type(const QString& text, const QString& caption = QString());
    TScriptedPrompts& CancelInput(const QString& caption = QString());
    TScriptedPrompts& ChooseFile(const QString& path);
    TScriptedPrompts& CancelFile();
    // Answers a save-file dialog with path.
    TScriptedPrompts& SaveTo(const QString& path, const QString& caption = QString());
    TScriptedPrompts& PickFolder(const QString& path, const QString& caption = QString());
    TScriptedPrompts& CancelFolder(const QString& caption = QString());
    TScriptedPrompts& Choose(const QString& scenario);
    TScriptedPrompts& CancelChoice();
    // Picks the item at index from a list choice (a negative index cancels).
    TScriptedPrompts& ChooseItem(int index, const QString& caption = QString());

    // Every scripted answer was used and nothing unexpected was asked.
    bool Done() const { return Script_.empty() && Unexpected_.isEmpty(); }
    // What went wrong, for QVERIFY2.
    QString Problems() const;
    const QList<TShown>& Shown() const { return Shown_; }
    // The texts of the message boxes and questions, in order.
    QStringList MessageTexts() const;
    void Clear();

    TPromptAnswer Message(const QString& title, const QString& text,
                          TPromptButtons buttons) override;
    int Ask(const QString& title, const QString& text, const QStringList& buttons) override;
    std::optional<QString> Input(const QString& caption, const QString& prompt,
                                 const QString& initial) override;
    std::optional<QString> OpenFile(const QString& caption, const QString& folder,
                                    const QString& filter) override;
    std::optional<QString> SaveFile(const QString& caption, const QString& path,
                                    const QString& filter) override;
    std::optional<QString> ChooseFolder(const QString& caption, const QString& folder) override;
    std::optional<QString> ChooseScenario(const QStringList& names) override;
    std::optional<int> ChooseItem(const QString& caption, const QString& prompt,
                                  const QStringList& items) override;

private:
    struct TStep {
        TKind Kind = TKind::Message;
        QString Title;
        TPromptAnswer Answer = TPromptAnswer::Ok;
        std::optional<QString> Text;
        int Index = -1;
    };
    // Takes the next scripted step when it fits the prompt; records a
    // failure and returns false otherwise.
    bool Next(const TShown& shown, TStep& step);

    std::deque<TStep> Script_;
    QList<TShown> Shown_;
    QStringList Unexpected_;
    TPrompts* Previous_ = nullptr;
};
