#pragma once

#include <QString>
#include <QStringList>

#include <optional>

enum class TPromptButtons { Ok, YesNo, YesNoCancel };
enum class TPromptAnswer { Ok, Yes, No, Cancel };

// Every question the program asks goes through this interface, so tests can
// answer it from a script. Forms never call QMessageBox, QInputDialog or
// QFileDialog themselves.
class TPrompts {
public:
    virtual ~TPrompts() = default;

    // A message box with a title and the given buttons; returns the button
    // pressed (closing a Yes/No/Cancel box counts as Cancel, a Yes/No box
    // as No).
    virtual TPromptAnswer Message(const QString& title, const QString& text,
                                  TPromptButtons buttons = TPromptButtons::Ok) = 0;
    // A question with buttons of its own; returns the index of the one
    // pressed. The last button is the one that cancels (also closing the box).
    virtual int Ask(const QString& title, const QString& text, const QStringList& buttons) = 0;
    // A one-line input box; empty when cancelled.
    virtual std::optional<QString> Input(const QString& caption, const QString& prompt,
                                         const QString& initial) = 0;
    // An open-file dialog starting in folder; empty when cancelled.
    virtual std::optional<QString> OpenFile(const QString& caption, const QString& folder,
                                            const QString& filter = BitmapFilter) = 0;
    // A save-file dialog proposing path; the chosen path, or empty when
    // cancelled. The dialog asks before a file is replaced.
    virtual std::optional<QString> SaveFile(const QString& caption, const QString& path,
                                            const QString& filter) = 0;
    // A folder chooser starting in folder; empty when cancelled.
    virtual std::optional<QString> ChooseFolder(const QString& caption, const QString& folder) = 0;
    // The scenario selection dialog over names; the chosen name, or empty
    // when cancelled.
    virtual std::optional<QString> ChooseScenario(const QStringList& names) = 0;
    // A list of items to pick one from; the chosen item's index, or empty
    // when cancelled.
    virtual std::optional<int> ChooseItem(const QString& caption, const QString& prompt,
                                          const QStringList& items) = 0;

    // Shorthands for the usual boxes.
    void Error(const QString& text) { Message(QStringLiteral("Error"), text); }
    bool YesNo(const QString& title, const QString& text) {
        return Message(title, text, TPromptButtons::YesNo) == TPromptAnswer::Yes;
    }

    static constexpr const char* BitmapFilter = "Bitmaps (*.bmp)";
};

// The prompts in use: the Qt dialogs unless a test installed others.
TPrompts& Prompts();
// Installs prompts (not owned); null restores the Qt dialogs. Returns the
// previous installation (null for the Qt dialogs).
TPrompts* SetPrompts(TPrompts* prompts);

// "Bitmaps (*.bmp)" as "Bitmaps (*.bmp *.BMP)", for file dialogs that match
// letter case.
QString AnyCaseFilter(const QString& filter);

// The dialogs themselves, parented to the active window.
class TQtPrompts : public TPrompts {
public:
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
};

// Nobody is there to answer (the gallery, tests setting windows up): every
// question is declined and nothing is chosen.
class TDecliningPrompts : public TPrompts {
public:
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
};
