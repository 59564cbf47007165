#include "app/RemovalNotice.h"

#include "app/Prompts.h"
#include "scenario/edit/ReferencesEdit.h"

void TellRemovalRepairs(const TRemovalRepairs& repairs, TScenarioFile own) {
    const std::string summary = ReferencesEdit::Summary(repairs, own);
    if (!summary.empty())
        Prompts().Message(QStringLiteral("Attention"), QString::fromStdString(summary));
}
