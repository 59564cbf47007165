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
// The whole file; empty when it cannot be read.
QByteArray FileBytes(const QString& path);
// Makes the file (and its folder) hold bytes; fails the test when it cannot.
void WriteBytes(const QString& path, const QByteArray& bytes);

// A scenario copied to a temporary folder and opened from there, so a test
// may edit and save it freely.
class TScenarioCopy {
public:
    // source: a scenario folder; empty takes the shipped sample.
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

private:
    QTemporaryDir Dir_;
    QStringList Shipped_;
};

} // namespace GuiTest
