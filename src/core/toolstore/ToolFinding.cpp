#include "ToolFinding.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

QString fileIn(const QString& toolsFolderPath) {
    return toolsFolderPath + "/in-use.json";
}

QJsonObject objectOf(const ToolFinding::Tool& tool) {
    QJsonObject object{{"path", tool.path}, {"version", tool.version}};
    if (!tool.name.isEmpty())
        object.insert("name", tool.name);
    if (!tool.verifiedBy.isEmpty())
        object.insert("verifiedBy", tool.verifiedBy);
    return object;
}

ToolFinding::Tool toolIn(const QJsonObject& object) {
    return {object.value("name").toString(), object.value("path").toString(),
            object.value("version").toString(), object.value("verifiedBy").toString()};
}

} // namespace

ToolFinding ToolFinding::read(const QString& toolsFolderPath) {
    QFile file(fileIn(toolsFolderPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A finding is a few hundred bytes; anything much larger is not one.
    const QJsonObject root = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    return {toolIn(root.value("downloader").toObject()),
            toolIn(root.value("jsRuntime").toObject())};
}

bool ToolFinding::write(const QString& toolsFolderPath) const {
    QJsonObject root{{"downloader", objectOf(downloader)}};
    if (!jsRuntime.path.isEmpty())
        root.insert("jsRuntime", objectOf(jsRuntime));
    const QByteArray bytes = QJsonDocument(root).toJson();
    QSaveFile file(fileIn(toolsFolderPath));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
