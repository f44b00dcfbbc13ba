// The documents that list the devices by hand name every row of the device table: the manual
// page's `card` arguments, the plan format's and the README's device names.
#include "devices/devices.h"

#include <QFile>
#include <QTest>

using namespace velantra;

class DeviceDocsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyDeviceIsDocumented_data();
    void everyDeviceIsDocumented();
};

void DeviceDocsTest::everyDeviceIsDocumented_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pattern"); // %1 the command name, %2 the plan's name
    QTest::newRow("manual page") << "packaging/velantra.1"
                                 << " %1 ";
    QTest::newRow("plan format") << "docs/rig-plan-format.md"
                                 << "`%1` (%2)";
    QTest::newRow("README") << "README.md"
                            << "`%1` (%2)";
}

void DeviceDocsTest::everyDeviceIsDocumented()
{
    QFETCH(QString, file);
    QFETCH(QString, pattern);
    QFile document(QStringLiteral(VELANTRA_SOURCE_DIR "/") + file);
    QVERIFY2(document.open(QIODevice::ReadOnly), qPrintable(document.errorString()));
    const QString text = QString::fromUtf8(document.readAll());
    for (const DeviceInfo& device : kDevices) {
        const QString expected = pattern.arg(
            QString::fromUtf8(device.commandName.data(), qsizetype(device.commandName.size())),
            QString::fromUtf8(device.tableName.data(), qsizetype(device.tableName.size())));
        QVERIFY2(text.contains(expected), qPrintable(file + " lacks " + expected));
    }
}

QTEST_APPLESS_MAIN(DeviceDocsTest)
#include "tst_devicedocs.moc"
