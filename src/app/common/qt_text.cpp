#include "app/common/qt_text.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextDocument>

namespace lexorim::app {

QStringList ToQStringList(const std::vector<Text>& texts) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(texts.size()));
    for (const Text& text : texts)
        lines << ToQString(text);
    return lines;
}

std::vector<Text> ToTexts(const QStringList& lines) {
    std::vector<Text> texts;
    texts.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines)
        texts.push_back(ToText(line));
    return texts;
}

QString MemoText(const QPlainTextEdit& memo) {
    QString text = memo.document()->toRawText();
    for (QChar& c : text) {
        switch (c.unicode()) {
            case QChar::ParagraphSeparator:
            case QChar::LineSeparator:
            case 0xFDD0:  // the beginning and end marks of a frame
            case 0xFDD1:
                c = u'\n';
                break;
            default:
                break;
        }
    }
    return text;
}

QString DialogFilter(TextView filter) {
    const QStringList parts = ToQString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype bracket = description.indexOf(u'(');
        if (bracket > 0)
            description = description.left(bracket).trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            // "*.*" means every file, also those without an extension.
            patterns << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
        }
        entries << QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace lexorim::app
