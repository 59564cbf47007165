#pragma once

#include <QString>
#include <QStringList>

// The scenario folders opened or saved last, newest first, kept in the
// settings file (see AppSettings) so they outlive the session.
class TRecentScenarios {
public:
    static constexpr int Limit = 10;

    // settingsFile: empty keeps the list for this session only.
    explicit TRecentScenarios(const QString& settingsFile = QString());

    const QStringList& Folders() const { return Folders_; }
    // Puts folder first (once), dropping the oldest beyond the limit.
    void Add(const QString& folder);
    void Remove(const QString& folder);
    void Clear();
    // The form every folder is kept in: absolute, clean, no "/" at the end.
    static QString Normalized(const QString& folder);

private:
    void Store() const;

    QString File_;
    QStringList Folders_;
};
