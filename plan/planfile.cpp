#include "plan/planfile.h"

#include "files/filereader.h"
#include "files/filewriter.h"
#include "i18n/language.h"
#include "plan/devices.h"
#include "ui/qstr.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace velantra::plan
{
namespace
{

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QJsonObject rowObject(const RigPlan& plan, const PlanRow& row, int version)
{
    const DeviceSetting& s = row.setting;
    QJsonObject o;
    o[QStringLiteral("label")] = text(row.label);
    if (version > kFirstFormatVersion)
        o[QStringLiteral("universe")] = row.universe;
    if (const FixtureType* type = typeOf(plan, row)) {
        o[QStringLiteral("fixture")] = text(type->name);
        o[QStringLiteral("address")] = s.address;
        return o;
    }
    const DeviceInfo& info = deviceInfo(s.device);
    o[QStringLiteral("device")] = qstr(info.commandName);
    o[QStringLiteral("mode")] = s.master ? QStringLiteral("master") : QStringLiteral("dmx");
    const std::optional<int> channels = channelCount(plan, row);
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

QJsonObject typeObject(const FixtureType& type)
{
    QJsonObject o;
    o[QStringLiteral("name")] = text(type.name);
    o[QStringLiteral("channels")] = type.channels;
    if (const std::optional<LeverScheme>& scheme = type.levers) {
        QJsonObject levers;
        levers[QStringLiteral("count")] = scheme->levers;
        levers[QStringLiteral("lowest")] = scheme->lowestLever;
        levers[QStringLiteral("on")] = scheme->onUp ? QStringLiteral("up") : QStringLiteral("down");
        levers[QStringLiteral("holds")] =
            scheme->addressMinusOne ? QStringLiteral("address-1") : QStringLiteral("address");
        QJsonArray functions;
        for (const NamedLever& named : scheme->named)
            functions.append(QJsonObject{{QStringLiteral("lever"), named.lever},
                                         {QStringLiteral("name"), text(named.name)}});
        levers[QStringLiteral("functions")] = functions;
        o[QStringLiteral("levers")] = levers;
    }
    return o;
}

// Reads the keys of one object, marking each it knows; says what is wrong with a value.
class ObjectReader
{
public:
    explicit ObjectReader(const QJsonObject& object) : o_(object) {}

    // The value of a key the object may have; marks it as known.
    QJsonValue take(const char* key)
    {
        known_.insert(QString::fromLatin1(key));
        return o_.value(QLatin1String(key));
    }
    bool readInt(const char* key, int low, int high, std::optional<int>& out);
    bool readBool(const char* key, bool& out);
    // One of `choices`, by index.
    bool readChoice(const char* key, std::initializer_list<const char*> choices, int& out);
    // The first key that is not known, or an empty text.
    QString unknownKey() const
    {
        for (auto it = o_.begin(); it != o_.end(); ++it)
            if (!known_.contains(it.key()))
                return it.key();
        return {};
    }
    bool refuse(const QString& why)
    {
        error = why;
        return false;
    }
    QString error;

private:
    const QJsonObject& o_;
    QSet<QString> known_;
};

bool ObjectReader::readInt(const char* key, int low, int high, std::optional<int>& out)
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

bool ObjectReader::readBool(const char* key, bool& out)
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

bool ObjectReader::readChoice(const char* key, std::initializer_list<const char*> choices, int& out)
{
    const QJsonValue v = take(key);
    int index = 0;
    QStringList quoted;
    for (const char* choice : choices) {
        if (v == QJsonValue(QLatin1String(choice))) {
            out = index;
            return true;
        }
        quoted << QStringLiteral("\"%1\"").arg(QLatin1String(choice));
        ++index;
    }
    return refuse(i18n::translate("PlanFile", "\"%1\" must be %2")
                      .arg(QLatin1String(key), quoted.join(i18n::translate("PlanFile", " or "))));
}

// A text under the label rule; `what` names it in a refusal.
std::optional<std::string> readLabelText(const QJsonValue& value, const char* key, QString& error)
{
    if (!value.isString()) {
        error = i18n::translate("PlanFile", "\"%1\" must be a text").arg(QLatin1String(key));
        return std::nullopt;
    }
    std::string out = value.toString().toStdString();
    if (const std::optional<std::string> problem = cards::labelProblem(out)) {
        error = text(*problem);
        return std::nullopt;
    }
    return out;
}

// `types`: the index of each of the plan's types by name.
std::optional<PlanRow> readRow(const QHash<QString, int>& types, const QJsonObject& object,
                               int version, QString& error)
{
    ObjectReader r(object);
    PlanRow row;
    DeviceSetting& s = row.setting;
    const auto fail = [&](const QString& why) {
        error = why;
        return std::nullopt;
    };
    std::optional<std::string> label = readLabelText(r.take("label"), "label", error);
    if (!label)
        return std::nullopt;
    row.label = std::move(*label);
    std::optional<int> universe;
    if (version > kFirstFormatVersion) {
        if (!r.readInt("universe", kFirstUniverse, kLastUniverse, universe))
            return fail(r.error);
        row.universe = universe.value_or(kDefaultUniverse);
        const QJsonValue fixture = r.take("fixture");
        if (!fixture.isUndefined()) {
            const auto found = types.find(fixture.toString());
            if (!fixture.isString() || found == types.end())
                return fail(
                    i18n::translate("PlanFile", "\"fixture\" must name one of the plan's types"));
            row.fixtureType = found.value();
            std::optional<int> address;
            if (!r.readInt("address", kFirstStart, kMaxStart, address))
                return fail(r.error);
            if (!address)
                return fail(
                    i18n::translate("PlanFile", "a row of a fixture type needs an \"address\""));
            s.address = *address;
            if (const QString unknown = r.unknownKey(); !unknown.isEmpty())
                return fail(
                    i18n::translate("PlanFile", "\"%1\" does not apply to a fixture type's row")
                        .arg(unknown));
            return row;
        }
    } else {
        for (const char* key : {"universe", "fixture"})
            if (object.contains(QLatin1String(key)))
                return fail(i18n::translate("PlanFile", "\"%1\" needs plan format version %2")
                                .arg(QLatin1String(key))
                                .arg(kFormatVersion));
    }
    const QJsonValue device = r.take("device");
    const QJsonValue mode = r.take("mode");
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
    bool ok = r.readInt("channels", kMinChannels, kMaxChannels, channels) &&
              (info.modulation ? r.readBool("modulation", s.modulation) : true);
    if (ok && !s.master) {
        ok = r.readInt("address", kFirstStart, kMaxStart, address) &&
             r.readBool("terminator", s.terminator);
        if (ok && !address)
            return fail(i18n::translate("PlanFile", "a row in DMX mode needs an \"address\""));
        s.address = address.value_or(1);
    } else if (ok) {
        if (info.pushbutton)
            ok = r.readBool("pushbutton", s.pushbutton);
        if (ok && info.speedAndShow)
            ok = r.readInt("speed", 0, kSpeeds - 1, s.speed) &&
                 r.readInt("show", 0, kShows - 1, s.show);
        if (ok && info.tune)
            ok = r.readInt("tune", 0, kTunes - 1, s.tune);
    }
    if (!ok)
        return fail(r.error);
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
    if (const QString unknown = r.unknownKey(); !unknown.isEmpty())
        return fail(i18n::translate("PlanFile", "\"%1\" does not apply to the %2 in %3 mode")
                        .arg(unknown, qstr(tableName(info.device)),
                             s.master ? QStringLiteral("master") : QStringLiteral("DMX")));
    return row;
}

std::optional<LeverScheme> readLevers(const QJsonValue& value, QString& error)
{
    const auto fail = [&](const QString& why) {
        error = i18n::translate("PlanFile", "levers: ") + why;
        return std::nullopt;
    };
    if (!value.isObject())
        return fail(i18n::translate("PlanFile", "must be an object"));
    const QJsonObject object = value.toObject();
    ObjectReader r(object);
    LeverScheme scheme;
    std::optional<int> count, lowest;
    int on = 0, holds = 0;
    if (!r.readInt("count", kMinSchemeLevers, kMaxSchemeLevers, count) ||
        !r.readInt("lowest", 1, kMaxAddressLevers, lowest) ||
        !r.readChoice("on", {"up", "down"}, on) ||
        !r.readChoice("holds", {"address", "address-1"}, holds))
        return fail(r.error);
    if (!count || !lowest)
        return fail(i18n::translate("PlanFile", "\"count\" and \"lowest\" are required"));
    scheme.levers = *count;
    scheme.lowestLever = *lowest;
    scheme.onUp = on == 0;
    scheme.addressMinusOne = holds == 1;
    const QJsonValue functions = r.take("functions");
    if (!functions.isUndefined() && !functions.isArray())
        return fail(i18n::translate("PlanFile", "\"functions\" must be a list"));
    for (const QJsonValue& entry : functions.toArray()) {
        if (!entry.isObject())
            return fail(i18n::translate("PlanFile", "a function lever must be an object"));
        const QJsonObject named = entry.toObject();
        ObjectReader f(named);
        std::optional<int> lever;
        if (!f.readInt("lever", 1, kMaxSchemeLevers, lever))
            return fail(f.error);
        QString nameError;
        const std::optional<std::string> name = readLabelText(f.take("name"), "name", nameError);
        if (!lever || !name)
            return fail(lever
                            ? nameError
                            : i18n::translate("PlanFile", "a function lever needs its \"lever\""));
        if (const QString unknown = f.unknownKey(); !unknown.isEmpty())
            return fail(i18n::translate("PlanFile", "unknown entry \"%1\"").arg(unknown));
        scheme.named.push_back({*lever, *name});
    }
    if (const QString unknown = r.unknownKey(); !unknown.isEmpty())
        return fail(i18n::translate("PlanFile", "unknown entry \"%1\"").arg(unknown));
    if (const std::optional<std::string> problem = leverSchemeProblem(scheme))
        return fail(text(*problem));
    return scheme;
}

std::optional<FixtureType> readType(const RigPlan& plan, const QJsonObject& object, QString& error)
{
    ObjectReader r(object);
    FixtureType type;
    const std::optional<std::string> name = readLabelText(r.take("name"), "name", error);
    if (!name)
        return std::nullopt;
    type.name = *name;
    std::optional<int> channels;
    if (!r.readInt("channels", kMinChannels, kMaxChannels, channels) || !channels) {
        error = i18n::translate("PlanFile", "\"channels\" must be a whole number from %1 to %2")
                    .arg(kMinChannels)
                    .arg(kMaxChannels);
        return std::nullopt;
    }
    type.channels = *channels;
    if (const QJsonValue levers = r.take("levers"); !levers.isUndefined()) {
        type.levers = readLevers(levers, error);
        if (!type.levers)
            return std::nullopt;
    }
    if (const QString unknown = r.unknownKey(); !unknown.isEmpty()) {
        error = i18n::translate("PlanFile", "unknown entry \"%1\"").arg(unknown);
        return std::nullopt;
    }
    if (const std::optional<std::string> problem = typeProblem(plan, type, -1)) {
        error = text(*problem);
        return std::nullopt;
    }
    return type;
}

// A key given twice in one object: Qt's JSON reader silently keeps the last one, so the text is
// scanned for them. `where` is "row 3: " or "type 2: ", empty at the top level.
struct RepeatedKey {
    QString where;
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
    QString topKey; // the top-level key whose value is being read
    int item = 0;   // the object of that list being read, from 1
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[') {
            // An object in a list at the second level is a row or a type.
            if (c == '{' && levels.size() == 2 && !levels[1].object)
                ++item;
            if (levels.size() == 1)
                item = 0;
            levels.push_back({c == '{', c == '{', {}});
        } else if ((c == '}' || c == ']') && !levels.empty()) {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            levels.back().expectKey = levels.back().object;
        } else if (c == '"') {
            const qsizetype start = i;
            bool escaped = false;
            for (++i; i < json.size() && json[i] != '"'; ++i)
                if (json[i] == '\\') {
                    escaped = true;
                    ++i;
                }
            if (levels.empty() || !levels.back().expectKey)
                continue;
            // The key as the reader decodes it, escapes and all.
            const QByteArray raw = json.mid(start, i - start + 1);
            const QString key =
                escaped ? QJsonDocument::fromJson('[' + raw + ']').array().at(0).toString()
                        : QString::fromUtf8(raw.mid(1, raw.size() - 2));
            levels.back().expectKey = false;
            if (levels.size() == 1)
                topKey = key;
            if (levels.back().keys.contains(key)) {
                QString where;
                if (levels.size() > 1 && item > 0)
                    where = (topKey == u"types" ? i18n::translate("PlanFile", "type %1: ")
                                                : i18n::translate("PlanFile", "row %1: "))
                                .arg(item);
                return RepeatedKey{where, key};
            }
            levels.back().keys.insert(key);
        }
    }
    return std::nullopt;
}

} // namespace

int formatVersionOf(const RigPlan& plan)
{
    const bool usesNew = !plan.types.empty() ||
                         std::any_of(plan.rows.begin(), plan.rows.end(), [](const PlanRow& r) {
                             return r.universe != kDefaultUniverse || r.fixtureType;
                         });
    return usesNew ? kFormatVersion : kFirstFormatVersion;
}

QByteArray writePlan(const RigPlan& plan)
{
    const int version = formatVersionOf(plan);
    QJsonArray rows;
    for (const PlanRow& row : plan.rows)
        rows.append(rowObject(plan, row, version));
    QJsonObject top;
    top[QStringLiteral("format")] = QLatin1String(kFormatName);
    top[QStringLiteral("version")] = version;
    top[QStringLiteral("rows")] = rows;
    if (version > kFirstFormatVersion) {
        QJsonArray types;
        for (const FixtureType& type : plan.types)
            types.append(typeObject(type));
        top[QStringLiteral("types")] = types;
    }
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
        return refuse(repeated->where +
                      i18n::translate("PlanFile", "\"%1\" is given twice").arg(repeated->key));
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QLatin1String("format")) != QLatin1String(kFormatName))
        return refuse(i18n::translate("PlanFile", "not a rig plan: \"format\" must be \"%1\"")
                          .arg(QLatin1String(kFormatName)));
    const QJsonValue versionValue = top.value(QLatin1String("version"));
    const int version = versionValue == QJsonValue(kFirstFormatVersion) ? kFirstFormatVersion
                        : versionValue == QJsonValue(kFormatVersion)    ? kFormatVersion
                                                                        : 0;
    if (version == 0)
        return refuse(i18n::translate("PlanFile",
                                      "plan format version %1 cannot be read; this program reads "
                                      "versions %2 and %3")
                          .arg(versionValue.isDouble()
                                   ? QString::number(versionValue.toDouble())
                                   : i18n::translate("PlanFile", "(missing or not a number)"))
                          .arg(kFirstFormatVersion)
                          .arg(kFormatVersion));
    for (auto it = top.begin(); it != top.end(); ++it)
        if (it.key() != QLatin1String("format") && it.key() != QLatin1String("version") &&
            it.key() != QLatin1String("rows") &&
            (it.key() != QLatin1String("types") || version == kFirstFormatVersion))
            return refuse(i18n::translate("PlanFile", "unknown entry \"%1\"").arg(it.key()));
    RigPlan plan;
    const QJsonValue types = top.value(QLatin1String("types"));
    if (!types.isUndefined() && !types.isArray())
        return refuse(i18n::translate("PlanFile", "\"types\" must be a list"));
    const QJsonArray typeList = types.toArray();
    if (typeList.size() > kMaxTypes)
        return refuse(i18n::translate("PlanFile", "%1 fixture types; a plan holds at most %2")
                          .arg(typeList.size())
                          .arg(kMaxTypes));
    for (qsizetype i = 0; i < typeList.size(); ++i) {
        const QString where = i18n::translate("PlanFile", "type %1: ").arg(i + 1);
        if (!typeList.at(i).isObject())
            return refuse(where + i18n::translate("PlanFile", "must be an object"));
        QString error;
        const std::optional<FixtureType> type = readType(plan, typeList.at(i).toObject(), error);
        if (!type)
            return refuse(where + error);
        plan.types.push_back(*type);
    }
    const QJsonValue rows = top.value(QLatin1String("rows"));
    if (!rows.isArray())
        return refuse(i18n::translate("PlanFile", "\"rows\" must be a list"));
    const QJsonArray list = rows.toArray();
    if (list.size() > kMaxRows)
        return refuse(i18n::translate("PlanFile", "%1 rows; a plan holds at most %2")
                          .arg(list.size())
                          .arg(kMaxRows));
    QHash<QString, int> typeIndex;
    for (int t = 0; t < int(plan.types.size()); ++t)
        typeIndex.insert(text(plan.types[std::size_t(t)].name), t);
    plan.rows.reserve(std::size_t(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = i18n::translate("PlanFile", "row %1: ").arg(i + 1);
        if (!list.at(i).isObject())
            return refuse(where + i18n::translate("PlanFile", "must be an object"));
        QString error;
        const std::optional<PlanRow> row =
            readRow(typeIndex, list.at(i).toObject(), version, error);
        if (!row)
            return refuse(where + error);
        plan.rows.push_back(*row);
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
