#pragma once

#include "app/Prompts.h"

// For programs that run without anybody to answer (the gallery, the
// benchmark): every question is declined, every message acknowledged.
class TDecliningPrompts : public TPrompts {
public:
    TPromptAnswer Message(const QString&, const QString&, TPromptButtons buttons) override {
        return buttons == TPromptButtons::Ok ? TPromptAnswer::Ok : TPromptAnswer::Cancel;
    }
    std::optional<QString> Input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> OpenFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> ChooseScenario(const QStringList&) override { return std::nullopt; }
};
