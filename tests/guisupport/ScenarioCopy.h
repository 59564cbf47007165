#pragma once

#include "scenario/TScenarioData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace GuiTest {

// The shipped data folder of the source tree, with "/" at the end.
QString ShippedData();
// The first shipped sample scenario folder; empty while none exists.
QString SampleScenarioFolder();
// data/default.vrx when it exists; otherwise a small template of the same
// shape written into folder.
QString TemplateFile(const QString& folder);
// The whole file; empty when it cannot be read.
QByteArray FileBytes(const QString& path);

// A scenario copied to a temporary folder and opened from there, so a test
// may edit and save it freely.
class TScenarioCopy {
public:
    // source: a scenario folder; empty takes the shipped sample, or a
    // scenario made from the template while there is no sample.
    explicit TScenarioCopy(const QString& source = QString());

    bool IsOpen() const { return Data_ && Data_->Loaded(); }
    // Why the copy could not be opened.
    const QString& Problem() const { return Problem_; }
    TScenarioData& Data() { return *Data_; }
    // The copy's folder, ending with "/".
    QString Folder() const { return QString::fromStdString(Data_->Folder()); }
    QString FilePath(const QString& name) const { return Folder() + name; }

private:
    QTemporaryDir Dir_;
    std::unique_ptr<TScenarioData> Data_;
    QString Problem_;
};

// A data folder as the program uses it, in a temporary folder: scenarios/
// with the given scenario folders, scenarios.txt naming the default ones,
// and default.vrx.
class TDataFolder {
public:
    TDataFolder();
    // The folder, ending with "/".
    QString Path() const { return Dir_.path() + QLatin1Char('/'); }
    QString Scenarios() const { return Path() + QStringLiteral("scenarios/"); }
    // Adds scenario name, made from the template; listed in scenarios.txt
    // when shipped is set.
    void AddScenario(const QString& name, bool shipped = false);
    // The files of a scenario folder, sorted.
    QStringList Files(const QString& name, const QString& sub = QString()) const;
    bool Exists(const QString& name) const;

private:
    QTemporaryDir Dir_;
    QStringList Shipped_;
};

} // namespace GuiTest
