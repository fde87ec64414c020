#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString AppId = QStringLiteral("com.quorvan.Settings");
const QString DesktopPath = QStringLiteral("usr/share/applications/com.quorvan.Settings.desktop");
const QString MetainfoPath = QStringLiteral("usr/share/metainfo/com.quorvan.Settings.metainfo.xml");
const QString PngIconPath =
    QStringLiteral("usr/share/icons/hicolor/48x48/apps/com.quorvan.Settings.png");
const QString SvgIconPath =
    QStringLiteral("usr/share/icons/hicolor/scalable/apps/com.quorvan.Settings.svg");

// The [Desktop Entry] group as key and value; other groups and comments are not wanted.
QMap<QString, QString> ReadDesktopEntry(const QString& Path)
{
    QMap<QString, QString> entries;
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inGroup && !line.startsWith(u'#') && equals > 0)
            entries.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return entries;
}

struct TMetaElement
{
    QString Text;
    QXmlStreamAttributes Attributes;
};

// The direct children of <component>, by element name, plus the component itself under
// "component"; an empty map if the file is not well-formed XML.
QMap<QString, TMetaElement> ReadMetainfo(const QString& Path)
{
    QMap<QString, TMetaElement> elements;
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return elements;
    QXmlStreamReader xml(&file);
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (depth == 1) {
                elements.insert(xml.name().toString(), {QString(), xml.attributes()});
            } else if (depth == 2) {
                const QString name = xml.name().toString();
                const QXmlStreamAttributes attributes = xml.attributes();
                const QString text =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                --depth;
                elements.insert(name, {text, attributes});
            }
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    if (xml.hasError())
        return {};
    return elements;
}

} // namespace

class TPackagingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsExactlyTheseFiles();
    void onlyTheProgramIsExecutable_data();
    void onlyTheProgramIsExecutable();
    void desktopEntry_data();
    void desktopEntry();
    void desktopEntryFindsProgramAndIcons();
    void iconsAreUsable();
    void metainfo_data();
    void metainfo();
    void metainfoDescribesTheProgram();
    void validatorsAccept_data();
    void validatorsAccept();

private:
    QString Installed(const QString& Path) const { return FDestDir.filePath(Path); }

    QTemporaryDir FDestDir;
};

void TPackagingTest::initTestCase()
{
    QVERIFY2(FDestDir.isValid(), qPrintable(FDestDir.errorString()));
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), FDestDir.path());
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(SETTINGS_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(SETTINGS_BINARY_DIR),
                   QStringLiteral("--prefix"), QStringLiteral("/usr")});
    QVERIFY2(install.waitForFinished(60000), "cmake --install did not finish");
    const QByteArray output = install.readAll();
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             output.constData());
}

void TPackagingTest::installsExactlyTheseFiles()
{
    QStringList files;
    QDirIterator it(FDestDir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(FDestDir.path()).relativeFilePath(it.next()));
    files.sort();
    QStringList expected = {QStringLiteral("usr/bin/Settings"), DesktopPath, MetainfoPath,
                            PngIconPath, SvgIconPath};
    expected.sort();
    QCOMPARE(files, expected);
}

void TPackagingTest::onlyTheProgramIsExecutable_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("program") << QStringLiteral("usr/bin/Settings") << true;
    QTest::newRow("desktop entry") << DesktopPath << false;
    QTest::newRow("metainfo") << MetainfoPath << false;
    QTest::newRow("png icon") << PngIconPath << false;
    QTest::newRow("svg icon") << SvgIconPath << false;
}

void TPackagingTest::onlyTheProgramIsExecutable()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(Installed(path));
    QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path + QStringLiteral(" is empty")));
    QCOMPARE(info.isExecutable(), executable);
    QVERIFY2(info.permissions().testFlag(QFileDevice::ReadOther),
             qPrintable(path + QStringLiteral(" is not readable by every user")));
}

void TPackagingTest::desktopEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("Type") << QStringLiteral("Type") << QStringLiteral("Application");
    QTest::newRow("Name") << QStringLiteral("Name") << QStringLiteral("Settings");
    QTest::newRow("GenericName") << QStringLiteral("GenericName")
                                 << QStringLiteral("KX-2040 Jumper Settings Guide");
    QTest::newRow("Exec") << QStringLiteral("Exec") << QStringLiteral("Settings");
    QTest::newRow("Icon") << QStringLiteral("Icon") << AppId;
    QTest::newRow("Categories") << QStringLiteral("Categories")
                                << QStringLiteral("Settings;HardwareSettings;Utility;");
    QTest::newRow("Terminal") << QStringLiteral("Terminal") << QStringLiteral("false");
}

void TPackagingTest::desktopEntry()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const auto entries = ReadDesktopEntry(Installed(DesktopPath));
    QVERIFY2(entries.contains(key), qPrintable(key + QStringLiteral(" is missing")));
    QCOMPARE(entries.value(key), value);
}

void TPackagingTest::desktopEntryFindsProgramAndIcons()
{
    const auto entries = ReadDesktopEntry(Installed(DesktopPath));
    // A launcher runs Exec through the search path, where the package puts bin/ of /usr.
    const QString program = entries.value(QStringLiteral("Exec")).section(u' ', 0, 0);
    QVERIFY2(!program.isEmpty() && !program.contains(u'/'), "Exec names the program alone");
    const QFileInfo binary(Installed(QStringLiteral("usr/bin/") + program));
    QVERIFY2(binary.isFile() && binary.isExecutable(),
             qPrintable(program + QStringLiteral(" is not installed in usr/bin")));
    const QString icon = entries.value(QStringLiteral("Icon"));
    QVERIFY2(QFileInfo::exists(
                 Installed(QStringLiteral("usr/share/icons/hicolor/48x48/apps/%1.png").arg(icon))),
             qPrintable(icon + QStringLiteral(" has no 48x48 icon")));
    QVERIFY2(QFileInfo::exists(Installed(
                 QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(icon))),
             qPrintable(icon + QStringLiteral(" has no scalable icon")));
}

void TPackagingTest::iconsAreUsable()
{
    const QImage png(Installed(PngIconPath));
    QCOMPARE(png.size(), QSize(48, 48));
    QVERIFY2(png.hasAlphaChannel(), "the icon is drawn on a transparent ground");
    QCOMPARE(qAlpha(png.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(png.pixel(24, 24)), 255);

    QFile svg(Installed(SvgIconPath));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QVERIFY2(xml.readNextStartElement(), "the SVG has a root element");
    QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
    QCOMPARE(xml.attributes().value(QStringLiteral("viewBox")).toString(),
             QStringLiteral("0 0 48 48"));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TPackagingTest::metainfo_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("value");
    QTest::newRow("id") << QStringLiteral("id") << AppId;
    QTest::newRow("name") << QStringLiteral("name") << QStringLiteral("Settings");
    QTest::newRow("metadata_license")
        << QStringLiteral("metadata_license") << QStringLiteral("CC0-1.0");
    QTest::newRow("project_license") << QStringLiteral("project_license") << QStringLiteral("MIT");
    QTest::newRow("launchable") << QStringLiteral("launchable")
                                << QStringLiteral("com.quorvan.Settings.desktop");
}

void TPackagingTest::metainfo()
{
    QFETCH(QString, element);
    QFETCH(QString, value);
    const auto elements = ReadMetainfo(Installed(MetainfoPath));
    QVERIFY2(!elements.isEmpty(), "the metainfo file is well-formed XML");
    QVERIFY2(elements.contains(element), qPrintable(element + QStringLiteral(" is missing")));
    QCOMPARE(elements.value(element).Text, value);
}

void TPackagingTest::metainfoDescribesTheProgram()
{
    const auto elements = ReadMetainfo(Installed(MetainfoPath));
    QVERIFY2(!elements.isEmpty(), "the metainfo file is well-formed XML");
    QCOMPARE(elements.value(QStringLiteral("component"))
                 .Attributes.value(QStringLiteral("type"))
                 .toString(),
             QStringLiteral("desktop-application"));
    QCOMPARE(elements.value(QStringLiteral("launchable"))
                 .Attributes.value(QStringLiteral("type"))
                 .toString(),
             QStringLiteral("desktop-id"));
    // The launchable is the installed desktop entry, and both name the program alike.
    QCOMPARE(QStringLiteral("usr/share/applications/") +
                 elements.value(QStringLiteral("launchable")).Text,
             DesktopPath);
    QCOMPARE(elements.value(QStringLiteral("name")).Text,
             ReadDesktopEntry(Installed(DesktopPath)).value(QStringLiteral("Name")));
    QVERIFY2(!elements.value(QStringLiteral("summary")).Text.isEmpty(), "summary is empty");
    QVERIFY2(!elements.value(QStringLiteral("description")).Text.isEmpty(), "description is empty");
    QVERIFY2(elements.contains(QStringLiteral("content_rating")), "content_rating is missing");
}

void TPackagingTest::validatorsAccept_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("path");
    QTest::newRow("desktop entry")
        << QStringLiteral("desktop-file-validate") << QStringList() << DesktopPath;
    QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net")}
                              << MetainfoPath;
}

void TPackagingTest::validatorsAccept()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(QString, path);
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(program, arguments << Installed(path));
    QVERIFY2(validator.waitForFinished(60000), qPrintable(tool + QStringLiteral(" hangs")));
    const QString output = QString::fromUtf8(validator.readAll());
    QVERIFY2(validator.exitStatus() == QProcess::NormalExit && validator.exitCode() == 0,
             qPrintable(output));
    // Hints are advice; warnings and errors are not accepted even where the exit code is 0.
    QVERIFY2(!output.contains(QStringLiteral("warning:")) &&
                 !output.contains(QStringLiteral("error:")),
             qPrintable(output));
}

QTEST_GUILESS_MAIN(TPackagingTest)
#include "tst_packaging.moc"
