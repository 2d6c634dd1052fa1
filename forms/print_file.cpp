#include "print_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString unusedPdfPath(const QString& folder, const QString& section, QDate date)
{
    QString name = section;
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    const QString stem = name.simplified() + QLatin1Char(' ') + date.toString(Qt::ISODate);
    const QDir dir(folder);
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = dir.filePath(stem + QStringLiteral(" (%1).pdf").arg(copy));
    return path;
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir().mkpath(documents))
        return QDir::homePath();
    return documents;
}
