#include "plan/planfile.h"

#include "files/filereader.h"
#include "files/filewriter.h"
#include "i18n/language.h"
#include "plan/devices.h"
#include "ui/qstr.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

namespace velantra::plan
{
namespace
{

QJsonObject rowObject(const PlanRow& row)
{
    const DeviceSetting& s = row.setting;
    const DeviceInfo& info = deviceInfo(s.device);
    QJsonObject o;
    o[QStringLiteral("label")] = QString::fromStdString(row.label);
    o[QStringLiteral("device")] = qstr(info.commandName);
    o[QStringLiteral("mode")] = s.master ? QStringLiteral("master") : QStringLiteral("dmx");
    const std::optional<int> channels = channelCount(row);
    if (channels)
        o[QStringLiteral("channels")] = *channels;
    if (!s.master) {
        o[QStringLiteral("address")] = s.address;
        o[QStringLiteral("terminator")] = s.terminator;
    } else {
        if (info.pushbutton)
            o[QStringLiteral("pushbutton")] = s.pushbutton;
        if (s.speed)
            o[QStringLiteral("speed")] = *s.speed;
        if (s.show)
            o[QStringLiteral("show")] = *s.show;
        if (s.tune)
            o[QStringLiteral("tune")] = *s.tune;
    }
    if (info.modulation)
        o[QStringLiteral("modulation")] = s.modulation;
    return o;
}

// Reads one row's object, or says what is wrong with it.
class RowReader
{
public:
    explicit RowReader(const QJsonObject& object) : o_(object) {}

    std::optional<PlanRow> read(QString& error);

private:
    // The value of a key the row may have; marks it as known.
    QJsonValue take(const char* key)
    {
        known_.insert(QString::fromLatin1(key));
        return o_.value(QLatin1String(key));
    }
    bool readInt(const char* key, int low, int high, std::optional<int>& out);
    bool readBool(const char* key, bool& out);
    bool refuse(const QString& why)
    {
        error_ = why;
        return false;
    }

    const QJsonObject& o_;
    QSet<QString> known_;
    QString error_;
};

bool RowReader::readInt(const char* key, int low, int high, std::optional<int>& out)
{
    const QJsonValue v = take(key);
    if (v.isUndefined())
        return true;
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || std::isnan(d) || d != std::floor(d) || d < low || d > high)
        return refuse(i18n::translate("PlanFile", "\"%1\" must be a whole number from %2 to %3")
                          .arg(QLatin1String(key))
                          .arg(low)
                          .arg(high));
    out = int(d);
    return true;
}

bool RowReader::readBool(const char* key, bool& out)
{
    const QJsonValue v = take(key);
    if (v.isUndefined())
        return true;
    if (!v.isBool())
        return refuse(
            i18n::translate("PlanFile", "\"%1\" must be true or false").arg(QLatin1String(key)));
    out = v.toBool();
    return true;
}

std::optional<PlanRow> RowReader::read(QString& error)
{
    PlanRow row;
    DeviceSetting& s = row.setting;
    const QJsonValue label = take("label");
    const QJsonValue device = take("device");
    const QJsonValue mode = take("mode");
    const auto fail = [&](const QString& why) {
        error = why;
        return std::nullopt;
    };
    if (!label.isString())
        return fail(i18n::translate("PlanFile", "\"label\" must be a text"));
    row.label = label.toString().toStdString();
    if (const std::optional<std::string> problem = cards::labelProblem(row.label))
        return fail(QString::fromStdString(*problem));
    const std::optional<Device> found = deviceNamed(device.toString().toStdString());
    if (!device.isString() || !found)
        return fail(
            i18n::translate("PlanFile", "\"device\" must be one of %1").arg(qstr(kDeviceList)));
    s.device = *found;
    const DeviceInfo& info = deviceInfo(s.device);
    if (mode != QJsonValue(QStringLiteral("dmx")) && mode != QJsonValue(QStringLiteral("master")))
        return fail(i18n::translate("PlanFile", "\"mode\" must be \"dmx\" or \"master\""));
    s.master = mode.toString() == QLatin1String("master");

    std::optional<int> channels, address;
    bool ok = readInt("channels", kMinChannels, kMaxChannels, channels) &&
              (info.modulation ? readBool("modulation", s.modulation) : true);
    if (ok && !s.master) {
        ok = readInt("address", kFirstStart, kMaxStart, address) &&
             readBool("terminator", s.terminator);
        if (ok && !address)
            return fail(i18n::translate("PlanFile", "a row in DMX mode needs an \"address\""));
        s.address = address.value_or(1);
    } else if (ok) {
        if (info.pushbutton)
            ok = readBool("pushbutton", s.pushbutton);
        if (ok && info.speedAndShow)
            ok =
                readInt("speed", 0, kSpeeds - 1, s.speed) && readInt("show", 0, kShows - 1, s.show);
        if (ok && info.tune)
            ok = readInt("tune", 0, kTunes - 1, s.tune);
    }
    if (!ok)
        return fail(error_);
    if (info.channels) {
        if (channels && s.master)
            return fail(
                i18n::translate("PlanFile", "\"channels\" does not apply in master mode on the %1")
                    .arg(qstr(tableName(info.device))));
        if (channels && *channels != 3 && *channels != 6)
            return fail(i18n::translate("PlanFile", "\"channels\" of the %1 must be 3 or 6")
                            .arg(qstr(tableName(info.device))));
        s.channels = channels;
    } else {
        row.typedChannels = channels;
    }
    for (auto it = o_.begin(); it != o_.end(); ++it)
        if (!known_.contains(it.key()))
            return fail(i18n::translate("PlanFile", "\"%1\" does not apply to the %2 in %3 mode")
                            .arg(it.key(), qstr(tableName(info.device)),
                                 s.master ? QStringLiteral("master") : QStringLiteral("DMX")));
    return row;
}

// A key given twice in one object: Qt's JSON reader silently keeps the last one, so the text is
// scanned for them. `row` is 0 for the top level, else the row's number from 1.
struct RepeatedKey {
    int row = 0;
    QString key;
};

// The text is valid JSON here (the reader has accepted it).
std::optional<RepeatedKey> repeatedKey(const QByteArray& json)
{
    struct Level {
        bool object = false;
        bool expectKey = false;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    int row = 0;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[') {
            // An object in the list at the second level is a row.
            if (c == '{' && levels.size() == 2 && !levels[1].object)
                ++row;
            levels.push_back({c == '{', c == '{', {}});
        } else if ((c == '}' || c == ']') && !levels.empty()) {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            levels.back().expectKey = levels.back().object;
        } else if (c == '"') {
            const qsizetype start = i;
            for (++i; i < json.size() && json[i] != '"'; ++i)
                if (json[i] == '\\')
                    ++i;
            if (levels.empty() || !levels.back().expectKey)
                continue;
            // The key as the reader decodes it, escapes and all.
            const QByteArray quoted = '[' + json.mid(start, i - start + 1) + ']';
            const QString key = QJsonDocument::fromJson(quoted).array().at(0).toString();
            levels.back().expectKey = false;
            if (levels.back().keys.contains(key))
                return RepeatedKey{levels.size() == 1 ? 0 : row, key};
            levels.back().keys.insert(key);
        }
    }
    return std::nullopt;
}

} // namespace

QByteArray writePlan(const RigPlan& plan)
{
    QJsonArray rows;
    for (const PlanRow& row : plan)
        rows.append(rowObject(row));
    QJsonObject top;
    top[QStringLiteral("format")] = QLatin1String(kFormatName);
    top[QStringLiteral("version")] = kFormatVersion;
    top[QStringLiteral("rows")] = rows;
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

ReadResult readPlan(const QByteArray& bytes, const QString& fileName)
{
    const QString file = QFileInfo(fileName).fileName();
    const auto refuse = [&](const QString& why) {
        return ReadResult{{}, file + QStringLiteral(": ") + why};
    };
    if (bytes.size() > kMaxFileSize)
        return refuse(i18n::translate("PlanFile", "the file is larger than any plan (%1 bytes)")
                          .arg(bytes.size()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refuse(
            i18n::translate("PlanFile", "not a plan file: the JSON text is broken at byte %1 (%2)")
                .arg(parseError.offset)
                .arg(parseError.errorString()));
    if (const std::optional<RepeatedKey> repeated = repeatedKey(bytes))
        return refuse((repeated->row > 0
                           ? i18n::translate("PlanFile", "row %1: ").arg(repeated->row)
                           : QString()) +
                      i18n::translate("PlanFile", "\"%1\" is given twice").arg(repeated->key));
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QLatin1String("format")) != QLatin1String(kFormatName))
        return refuse(i18n::translate("PlanFile", "not a rig plan: \"format\" must be \"%1\"")
                          .arg(QLatin1String(kFormatName)));
    const QJsonValue version = top.value(QLatin1String("version"));
    if (version != QJsonValue(kFormatVersion))
        return refuse(
            i18n::translate("PlanFile", "plan format version %1 cannot be read; this program reads "
                                        "version %2")
                .arg(version.isDouble() ? QString::number(version.toDouble())
                                        : i18n::translate("PlanFile", "(missing or not a number)"))
                .arg(kFormatVersion));
    for (auto it = top.begin(); it != top.end(); ++it)
        if (it.key() != QLatin1String("format") && it.key() != QLatin1String("version") &&
            it.key() != QLatin1String("rows"))
            return refuse(i18n::translate("PlanFile", "unknown entry \"%1\"").arg(it.key()));
    const QJsonValue rows = top.value(QLatin1String("rows"));
    if (!rows.isArray())
        return refuse(i18n::translate("PlanFile", "\"rows\" must be a list"));
    const QJsonArray list = rows.toArray();
    if (list.size() > kMaxRows)
        return refuse(i18n::translate("PlanFile", "%1 rows; a plan holds at most %2")
                          .arg(list.size())
                          .arg(kMaxRows));
    RigPlan plan;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = i18n::translate("PlanFile", "row %1: ").arg(i + 1);
        if (!list.at(i).isObject())
            return refuse(where + i18n::translate("PlanFile", "must be an object"));
        const QJsonObject object = list.at(i).toObject();
        QString error;
        const std::optional<PlanRow> row = RowReader(object).read(error);
        if (!row)
            return refuse(where + error);
        plan.push_back(*row);
    }
    return {std::move(plan), {}};
}

bool savePlanFile(const QString& path, const RigPlan& plan, QString* error)
{
    QString reason;
    if (files::saveWhole(path, writePlan(plan), &reason))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), reason);
    return false;
}

ReadResult loadPlanFile(const QString& path)
{
    // One byte past the limit is enough to tell a file that is too large.
    QString reason;
    const std::optional<QByteArray> bytes = files::readRegularFile(path, kMaxFileSize + 1, &reason);
    if (!bytes)
        return {{}, QFileInfo(path).fileName() + QStringLiteral(": ") + reason};
    return readPlan(*bytes, path);
}

} // namespace velantra::plan
