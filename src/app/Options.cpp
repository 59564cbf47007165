#include "app/Options.h"

#include <QFile>
#include <QSaveFile>

namespace OptionsFile {

bool ParseInteger(const QString& line, int& value) {
    bool ok = false;
    const QString trimmed = line.trimmed();
    // toInt also takes "+"; reject what is not plain decimal (hex, blanks inside).
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (!(c.isDigit() || (i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')))))
            return false;
    }
    value = trimmed.toInt(&ok, 10);
    return ok;
}

namespace {

const QLatin1String BackupsKey("backups=");

// "backups=N" with N from 0 to the maximum.
bool ParseBackupsLine(const QString& line, int& kept) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(BackupsKey))
        return false;
    int value = 0;
    if (!ParseInteger(trimmed.mid(BackupsKey.size()), value) || value < 0 ||
        value > TOptions::MaxBackupsKept)
        return false;
    kept = value;
    return true;
}

} // namespace

TOptions Read(const QString& path) {
    TOptions options;
    QFile file(path);
    QStringList lines;
    bool readable = file.open(QIODevice::ReadOnly);
    if (readable) {
        QString text = QString::fromLatin1(file.readAll());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        lines = text.split(QLatin1Char('\n'));
        // A final line end does not start another line.
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
    }
    // A third line other than a backups line makes the whole file unknown.
    int kept = TOptions::DefaultBackupsKept;
    bool good =
        readable && (lines.size() == 2 || (lines.size() == 3 && ParseBackupsLine(lines[2], kept)));
    int value = 0;
    if (good && (good = ParseInteger(lines[0], value)))
        options.Autoupdate = value != 0;
    if (good && (good = ParseInteger(lines[1], value)))
        options.Autosave = value != 0;
    if (good)
        options.BackupsKept = kept;
    if (!good)
        Write(path, options);
    return options;
}

bool Write(const QString& path, const TOptions& options) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(options.Autoupdate ? "1\n" : "0\n");
    file.write(options.Autosave ? "1\n" : "0\n");
    if (options.BackupsKept != TOptions::DefaultBackupsKept)
        file.write(QByteArray(BackupsKey.data()) + QByteArray::number(options.BackupsKept) + '\n');
    return file.commit();
}

} // namespace OptionsFile
