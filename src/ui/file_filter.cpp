#include "ui/file_filter.h"

#include "ui/qt_text.h"

namespace quorvex {

QStringList QtNameFilters(std::string_view filter) {
    const QStringList parts = ToQString(filter).split('|');
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        QStringList patterns = parts[index + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
        }
        patterns.removeAll(QString());
        if (patterns.isEmpty()) {
            continue;
        }
        filters.push_back(parts[index].trimmed() + " (" + patterns.join(' ') + ")");
    }
    return filters;
}

} // namespace quorvex
