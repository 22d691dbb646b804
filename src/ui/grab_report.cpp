#include "ui/grab_report.h"

#include "ui/form_window.h"
#include "ui/qt_text.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

namespace quorvex {

namespace {

QSize GrabSizeOf(const QWidget& window) {
    if (const auto* form = qobject_cast<const FormWindow*>(&window)) {
        return form->GrabSize();
    }
    return window.sizeHint().expandedTo(window.minimumSizeHint());
}

// A hidden window is laid out and painted as if shown, without appearing on the screen.
QPixmap Render(QWidget& window) {
    window.resize(GrabSizeOf(window));
    const bool hidden = !window.isVisible();
    if (hidden) {
        window.setAttribute(Qt::WA_DontShowOnScreen, true);
        window.show();
    }
    QPixmap picture = window.grab();
    if (hidden) {
        window.hide();
        window.setAttribute(Qt::WA_DontShowOnScreen, false);
    }
    return picture;
}

QJsonObject Describe(const QWidget& window, const QString& file, const QPixmap& picture) {
    QJsonObject entry;
    entry["file"] = file;
    entry["window"] = window.objectName();
    entry["title"] = window.windowTitle();
    entry["width"] = picture.width();
    entry["height"] = picture.height();
    entry["graphs"] = QJsonArray();
    return entry;
}

bool WriteJson(const QString& path, const QJsonObject& report, std::string& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(report).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        error = "cannot write " + ToStdString(path) + ": " + ToStdString(file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool GrabWindows(const std::vector<QWidget*>& windows, const QString& dir, std::string& error) {
    if (!QDir().mkpath(dir)) {
        error = "cannot create the folder " + ToStdString(dir);
        return false;
    }
    QJsonArray entries;
    for (QWidget* window : windows) {
        const QString file = window->objectName() + ".png";
        const QPixmap picture = Render(*window);
        if (!picture.save(QDir(dir).filePath(file), "PNG")) {
            error = "cannot write " + ToStdString(QDir(dir).filePath(file));
            return false;
        }
        entries.push_back(Describe(*window, file, picture));
    }
    QJsonObject report;
    report["windows"] = entries;
    return WriteJson(QDir(dir).filePath("grab.json"), report, error);
}

} // namespace quorvex
