// What the program takes from its surroundings: picture paths, the working folder,
// the clocks, fonts, and the control toolkit's own rules.

#include <QFontInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "controls/form.h"
#include "platform/classroom.h"
#include <QAccessible>
#include "platform/wav.h"
#include "platform/workdir.h"
#include "rig.h"

using namespace qm;
using namespace qm::test;

namespace {

void touch(const QString& path, const QByteArray& bytes = "x") {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useProgramFonts(); }

    void pathsMatchWithoutRegardToCase() {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("Images/BOARD.WMF")));
        touch(dir.filePath(QStringLiteral("Images/exit.jpg")));
        touch(dir.filePath(QStringLiteral("wav/click.wav")));
        const QString board = dir.filePath(QStringLiteral("Images/BOARD.WMF"));
        for (const char* p : {"IMAGES\\BOARD.WMF", "images\\board.wmf", "Images\\Board.Wmf", "Images/BOARD.WMF"})
            QCOMPARE(resolveProgramPath(dir.path(), QString::fromLatin1(p)), board);
        QCOMPARE(resolveProgramPath(dir.path(), QStringLiteral("images\\EXIT.JPG")),
                 dir.filePath(QStringLiteral("Images/exit.jpg")));
        QCOMPARE(resolveProgramPath(dir.path(), QStringLiteral("WAV\\Click.wav")),
                 dir.filePath(QStringLiteral("wav/click.wav")));
        QVERIFY(resolveProgramPath(dir.path(), QStringLiteral("Images\\missing.jpg")).isEmpty());
        QVERIFY(resolveProgramPath(dir.path(), QStringLiteral("Images")).isEmpty());  // a folder is no file
        QVERIFY(resolveProgramPath(dir.path(), QStringLiteral("..\\Images\\exit.jpg")).isEmpty());
        QVERIFY(resolveProgramPath(dir.path(), QString()).isEmpty());
    }

    void picturesLoadOrSayWhyNot() {
        QTemporaryDir dir;
        QImage img(4, 3, QImage::Format_RGB32);
        img.fill(Qt::red);
        QDir().mkpath(dir.filePath(QStringLiteral("images")));
        QVERIFY(img.save(dir.filePath(QStringLiteral("images/a.jpg")), "JPG"));
        touch(dir.filePath(QStringLiteral("images/bad.jpg")), "not a jpeg");
        touch(dir.filePath(QStringLiteral("images/bad.wmf")), QByteArray(40, '\0'));
        PictureStore store(dir.path());
        const PictureResult ok = store.load(QStringLiteral("Images\\A.JPG"));
        QVERIFY(ok.picture);
        QCOMPARE(ok.picture->sizeTwips(), QSize(60, 45));
        QVERIFY(store.load(QStringLiteral("Images\\none.jpg")).failure == PictureResult::Failure::NotFound);
        QVERIFY(store.load(QStringLiteral("Images\\bad.jpg")).failure == PictureResult::Failure::Invalid);
        QVERIFY(store.load(QStringLiteral("Images\\bad.wmf")).failure == PictureResult::Failure::Invalid);
    }

    void workingFolderFromAnyStart() {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("bin")));
        QDir().mkpath(dir.filePath(QStringLiteral("assets/IMAGES")));
        QDir().mkpath(dir.filePath(QStringLiteral("here/images")));
        const QString exe = dir.filePath(QStringLiteral("bin"));
        // Started where the pictures are: that folder.
        QCOMPARE(findWorkingFolder(workingFolderCandidates(dir.filePath(QStringLiteral("here")), exe)),
                 dir.filePath(QStringLiteral("here")));
        // Started anywhere else: the assets beside (or above) the executable.
        QCOMPARE(findWorkingFolder(workingFolderCandidates(QStringLiteral("/"), exe)),
                 QDir(dir.filePath(QStringLiteral("bin/../assets"))).absolutePath());
        QVERIFY(findWorkingFolder({dir.filePath(QStringLiteral("bin")), QString()}).isEmpty());
        // The shipped assets are always found from the source tree.
        QCOMPARE(findWorkingFolder(workingFolderCandidates(QStringLiteral("/"), QStringLiteral("/nowhere"))),
                 QDir(QStringLiteral(QM_SOURCE_ASSETS)).absolutePath());
        // Installed: the data installed with the program, wherever it is started from,
        // even a folder that has pictures of its own.
        QDir().mkpath(dir.filePath(QStringLiteral("usr/bin")));
        QDir().mkpath(dir.filePath(QStringLiteral("usr/share/quillmark/Images")));
        QCOMPARE(findWorkingFolder(workingFolderCandidates(dir.filePath(QStringLiteral("here")),
                                                           dir.filePath(QStringLiteral("usr/bin")))),
                 QDir(dir.filePath(QStringLiteral("usr/share/quillmark"))).absolutePath());
    }

    void manualClockFiresInTimeOrder() {
        ManualClock clock;
        QStringList fired;
        auto a = clock.makeTimer([&] { fired << QStringLiteral("a%1").arg(clock.now()); });
        auto b = clock.makeTimer([&] { fired << QStringLiteral("b%1").arg(clock.now()); });
        a->start(250);
        b->start(100);
        clock.advance(500);
        QCOMPARE(fired, (QStringList{"b100", "b200", "a250", "b300", "b400", "a500", "b500"}));
        QCOMPARE(clock.running(), 2);
        b.reset();  // a destroyed timer never fires
        fired.clear();
        clock.advance(250);
        QCOMPARE(fired, QStringList{"a750"});
    }

    void timerIntervalRestartsButEnablingDoesNot() {
        Rig rig;
        Form form(QStringLiteral("f"), rig.clock);
        Timer* t = form.addTimer(QStringLiteral("Timer2"), 250, false);
        int ticks = 0;
        t->onTimer = [&] { ++ticks; };
        rig.clock.advance(1000);
        QCOMPARE(ticks, 0);
        t->setEnabled(true);
        rig.clock.advance(200);
        t->setEnabled(true);  // already running: the count goes on
        rig.clock.advance(50);
        QCOMPARE(ticks, 1);
        rig.clock.advance(200);
        t->setInterval(250);  // restarts the count
        rig.clock.advance(249);
        QCOMPARE(ticks, 1);
        rig.clock.advance(1);
        QCOMPARE(ticks, 2);
        // A handler that changes its own interval sets the next step.
        t->onTimer = [&] {
            ++ticks;
            t->setInterval(1000);
        };
        rig.clock.advance(250);
        QCOMPARE(ticks, 3);
        rig.clock.advance(999);
        QCOMPARE(ticks, 3);
        rig.clock.advance(1);
        QCOMPARE(ticks, 4);
        form.unloadNow();
        rig.clock.advance(5000);
        QCOMPARE(ticks, 4);
        QCOMPARE(rig.clock.running(), 0);
    }

    void shortIntervalsTakeOneTickOfTheOldTimer() {
        QCOMPARE(realIntervalMs(1), 16);
        QCOMPARE(realIntervalMs(15), 16);
        QCOMPARE(realIntervalMs(250), 250);
    }

    void scriptedRandom() {
        ScriptedRandom r;
        r.script(0.25, 0.5);
        QCOMPARE(r.Rnd(), 0.25);
        QCOMPARE(r.Rnd(), 0.5);
        QCOMPARE(r.Rnd(), 0.0);
        RealRandom real;
        for (int i = 0; i < 1000; ++i) {
            const double v = real.Rnd();
            QVERIFY(v >= 0.0 && v < 1.0);
        }
    }

    void fontsAreTheProgramsOwn() {
        QCOMPARE(QFontInfo(makeFont({QStringLiteral("Tahoma"), 18, true})).family(), QStringLiteral("Tahoma"));
        QCOMPARE(QFontInfo(makeFont({QStringLiteral("Times New Roman"), 36})).family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(QFontInfo(makeFont({QStringLiteral("Arial"), 8.25})).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(makeFont({QStringLiteral("Tahoma"), 27.75}).pixelSize(), 37);
        QCOMPARE(makeFont({QStringLiteral("Times New Roman"), 20.25}).pixelSize(), 27);
    }

    void labelsSizeToTheirText() {
        Rig rig;
        Form form(QStringLiteral("f"), rig.clock);
        auto* l = form.add<Label>(QStringLiteral("Label7"));
        l->setFont_({QStringLiteral("Tahoma"), 20.25, true});
        l->setAutoSize(true);
        l->setCaption(QStringLiteral("red"));
        const double narrow = l->Width();
        l->setCaption(QStringLiteral("***"));
        const double stars = l->Width();
        l->setCaption(QStringLiteral("bicycle"));
        QVERIFY(l->Width() > narrow);
        QVERIFY(stars != narrow);
        QCOMPARE(std::fmod(l->Width(), 15.0), 0.0);
        l->setCaption(QString());
        QCOMPARE(l->Width(), 0.0);
        QVERIFY(l->Height() > 0);
        // A fixed label wraps its words.
        auto* fixed = form.add<Label>(QStringLiteral("Label1"));
        fixed->setFont_({QStringLiteral("Times New Roman"), 36});
        fixed->Move(0, 0, 3000, 2000);
        fixed->setCaption(QStringLiteral("one two three four five six seven"));
        QVERIFY(fixed->linesNeeded() >= 3);
        QCOMPARE(fixed->Width(), 3000.0);
    }

    void controlArraysCopyElementZero() {
        Rig rig;
        Form form(QStringLiteral("f"), rig.clock);
        ControlArray<Label> arr = form.addArray<Label>(QStringLiteral("Label3"));
        arr.at(0).Move(100, 200, 300, 400);
        arr.at(0).setFont_({QStringLiteral("Tahoma"), 15.75, true});
        arr.at(0).setBackColor(Qt::black);
        arr.at(0).setBorderStyle(Border::FixedSingle);
        QList<int> clicked;
        arr.on().click = [&](int i) { clicked << i; };
        Label* third = arr.Load(2);
        QCOMPARE(arr.count(), 3);
        QCOMPARE(third->Index(), 2);
        QCOMPARE(third->Width(), 300.0);
        QCOMPARE(third->Font().points, 15.75);
        QCOMPARE(third->BackColor(), QColor(Qt::black));
        QVERIFY(!third->Visible());
        third->Click();  // hidden: no click
        third->Show();
        third->Click();
        arr(1)->Show();
        arr(1)->Click();
        arr(0)->Click();
        QCOMPARE(clicked, (QList<int>{2, 1, 0}));
        QVERIFY(arr(7) == nullptr);
    }

    // Buttons, option buttons and picture boxes lie above labels, images and shapes
    // whatever the order they were made in, so a caption over a button never takes its
    // click; within a kind the later-made lies above.
    void windowedControlsLieAboveLabels() {
        Rig rig;
        Form form(QStringLiteral("f"), rig.clock);
        auto* button = form.add<PictureButton>(QStringLiteral("cmdexit"));
        button->Move(0, 0, 1500, 600);
        int clicks = 0;
        button->onClick = [&] { ++clicks; };
        auto* caption = form.add<Label>(QStringLiteral("Label1"));
        caption->Move(0, 0, 3000, 1500);
        int captionClicks = 0;
        caption->onClick = [&] { ++captionClicks; };
        auto tiles = form.addArray<Label>(QStringLiteral("Label7"));
        tiles.at(0).Move(300, 300, 600, 600);
        Label* later = tiles.Load(1);
        later->Move(300, 300, 600, 600);
        later->Show();
        auto* box = form.add<PictureBox>(QStringLiteral("imgtick"));
        box->Move(6000, 0, 600, 600);
        auto* image = form.add<Image>(QStringLiteral("Image1"));
        image->Move(5700, 0, 1500, 1500);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(form.childAt(20, 20), static_cast<QWidget*>(button));
        QCOMPARE(form.childAt(150, 20), static_cast<QWidget*>(caption));
        QCOMPARE(form.childAt(405, 20), static_cast<QWidget*>(box));
        QCOMPARE(form.childAt(30, 30), static_cast<QWidget*>(button));  // the tiles lie under the button
        QCOMPARE(form.childAt(50, 50), static_cast<QWidget*>(later));   // the later tile over the first
        clickAt(form, QPoint(20, 20));
        QCOMPARE(clicks, 1);
        QCOMPARE(captionClicks, 0);
        clickAt(form, QPoint(150, 20));
        QCOMPARE(captionClicks, 1);
    }

    // Accessibility tools read every control that shows text: labels as static text named
    // by their caption (following it as it changes), buttons as push buttons that can be
    // pressed, options as radio buttons that say whether they are selected.
    void controlsAreReadableByAccessibilityTools() {
        Rig rig;
        Form form(QStringLiteral("f"), rig.clock);
        auto* label = form.add<Label>(QStringLiteral("Label6"));
        label->setCaption(QStringLiteral("Correct"));
        auto* button = form.add<PictureButton>(QStringLiteral("cmdgo"));
        button->setAccessibleName(QStringLiteral("Next"));
        int clicks = 0;
        button->onClick = [&] { ++clicks; };
        auto* titled = form.add<PictureButton>(QStringLiteral("Command1"));
        titled->setCaption(QStringLiteral("OK"));
        auto* fast = form.add<OptionButton>(QStringLiteral("Option1"));
        fast->setCaption(QStringLiteral("Fast"));
        auto* slow = form.add<OptionButton>(QStringLiteral("Option3"));
        slow->setCaption(QStringLiteral("Slow"));
        slow->setValue(true);
        auto tiles = form.addArray<Label>(QStringLiteral("Label7"));
        tiles.at(0).setCaption(QStringLiteral("The"));
        Label* copy = tiles.Load(1);

        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::StaticText);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Correct"));
        label->setCaption(QStringLiteral("Wrong"));
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Wrong"));

        QAccessibleInterface* b = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(b->role(), QAccessible::Button);
        QCOMPARE(b->text(QAccessible::Name), QStringLiteral("Next"));
        QVERIFY(b->actionInterface());
        b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 1);
        QCOMPARE(QAccessible::queryAccessibleInterface(titled)->text(QAccessible::Name), QStringLiteral("OK"));

        QAccessibleInterface* o = QAccessible::queryAccessibleInterface(fast);
        QCOMPARE(o->role(), QAccessible::RadioButton);
        QCOMPARE(o->text(QAccessible::Name), QStringLiteral("Fast"));
        QVERIFY(!o->state().checked);
        QVERIFY(QAccessible::queryAccessibleInterface(slow)->state().checked);
        o->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(fast->Value());
        QVERIFY(!slow->Value());

        // A copied element of an array is named by the caption it copied.
        QCOMPARE(QAccessible::queryAccessibleInterface(copy)->text(QAccessible::Name), QStringLiteral("The"));
    }

    // The whole-class display: the largest uniform scale, in steps of 0.05, at which an
    // 800 x 600 screen and its title bar fit; never smaller than the screens' own size; on
    // an extended desktop, the scale of each display.
    void classroomScaleFitsTheDisplay_data() {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("scale");
        QTest::newRow("full HD, height decides") << QSize(1920, 1040) << 1.65;
        QTest::newRow("4K") << QSize(3840, 2120) << 3.45;
        QTest::newRow("wide but short") << QSize(3000, 700) << 1.05;
        QTest::newRow("1024 x 768, width decides") << QSize(1024, 768) << 1.2;
        QTest::newRow("exactly twice") << QSize(1600, 1248) << 2.0;
        QTest::newRow("a small display keeps the size") << QSize(800, 600) << 1.0;
        QTest::newRow("nothing known") << QSize() << 1.0;
    }
    void classroomScaleFitsTheDisplay() {
        QFETCH(QSize, available);
        QFETCH(double, scale);
        QCOMPARE(classroomScale(available), scale);
        // With a second display each display takes its own scale, in the displays' order;
        // one display alone takes its scale as the whole program's.
        QCOMPARE(classroomScreenScales({available, QSize(1600, 1248)}), QByteArray::number(scale, 'f', 2) + ";2.00");
        QVERIFY(classroomScreenScales({available}).isEmpty());
        char program[] = "quillmark", flag[] = "--classroom", other[] = "-x";
        char* with[] = {program, other, flag};
        char* without[] = {program, other};
        QVERIFY(classroomRequested(3, with));
        QVERIFY(!classroomRequested(2, without));
    }

    // Picture boxes clip their picture, images scale theirs, shapes draw an outline.
    void controlsDrawTheirPictures() {
        Rig rig;
        Form form(QStringLiteral("f"), rig.clock);
        form.setBackColor(QColor(0, 0, 255));
        QImage half(40, 20, QImage::Format_RGB32);
        half.fill(QColor(255, 0, 0));
        for (int y = 0; y < 20; ++y)
            for (int x = 20; x < 40; ++x) half.setPixelColor(x, y, QColor(0, 255, 0));
        const Picture picture(half);

        auto* box = form.add<PictureBox>(QStringLiteral("imgtick"));
        box->setBackColor(QColor(64, 64, 64));
        box->Move(0, 0, 30 * 15, 30 * 15);
        box->setPicture(picture);
        QImage shot = box->grab().toImage();
        QCOMPARE(shot.size(), QSize(30, 30));
        QCOMPARE(shot.pixelColor(5, 5), QColor(255, 0, 0));
        QCOMPARE(shot.pixelColor(25, 5), QColor(0, 255, 0));
        QCOMPARE(shot.pixelColor(5, 25), QColor(64, 64, 64));  // below the picture: back colour
        box->setWidth(10 * 15);  // a narrower box shows only the left of the picture
        shot = box->grab().toImage();
        QCOMPARE(shot.size(), QSize(10, 30));
        QCOMPARE(shot.pixelColor(9, 5), QColor(255, 0, 0));

        auto* image = form.add<Image>(QStringLiteral("Image1"));
        image->setStretch(true);
        image->Move(0, 0, 80 * 15, 10 * 15);
        image->setPicture(picture);
        QCOMPARE(image->Width(), 1200.0);  // a stretched image keeps its size
        shot = image->grab().toImage();
        QCOMPARE(shot.pixelColor(30, 5), QColor(255, 0, 0));
        QCOMPARE(shot.pixelColor(50, 5), QColor(0, 255, 0));
        auto* own = form.add<Image>(QStringLiteral("Image2"));
        own->setPicture(picture);
        QCOMPARE(own->Width(), 600.0);  // an unstretched one takes the picture's size
        QCOMPARE(own->Height(), 300.0);

        auto* shape = form.add<Shape>(QStringLiteral("Shape1"));
        shape->Move(200 * 15, 200 * 15, 25 * 15, 25 * 15);
        shape->setBorderColor(QColor(255, 255, 0));
        shape->setBorderWidth(3);
        shot = form.grab(QRect(200, 200, 25, 25)).toImage();
        QCOMPARE(shot.pixelColor(1, 12), QColor(255, 255, 0));
        QCOMPARE(shot.pixelColor(12, 12), QColor(0, 0, 255));  // no fill: the form shows through
        shape->setFilled(true);
        shape->setFillColor(QColor(0, 0, 0));
        shot = form.grab(QRect(200, 200, 25, 25)).toImage();
        QCOMPARE(shot.pixelColor(12, 12), QColor(0, 0, 0));

        // Labels: an opaque box with its border, and a transparent caption over the form.
        auto* boxLabel = form.add<Label>(QStringLiteral("Label5"));
        boxLabel->Move(300 * 15, 300 * 15, 60 * 15, 30 * 15);
        boxLabel->setBackColor(QColor(255, 255, 0));
        boxLabel->setBorderStyle(Border::FixedSingle);
        auto* clear = form.add<Label>(QStringLiteral("Label6"));
        clear->Move(400 * 15, 300 * 15, 60 * 15, 30 * 15);
        clear->setBackStyle(BackStyle::Transparent);
        clear->setCaption(QStringLiteral("x"));
        shot = form.grab(QRect(300, 300, 160, 30)).toImage();
        QCOMPARE(shot.pixelColor(0, 10), QColor(0, 0, 0));
        QCOMPARE(shot.pixelColor(30, 20), QColor(255, 255, 0));
        QCOMPARE(shot.pixelColor(150, 25), QColor(0, 0, 255));
    }

    void optionButtonsFormOneGroup() {
        Rig rig;
        Form form(QStringLiteral("f"), rig.clock);
        auto* a = form.add<OptionButton>(QStringLiteral("Option1"));
        auto* b = form.add<OptionButton>(QStringLiteral("Option2"));
        int clicks = 0;
        b->onClick = [&] { ++clicks; };
        a->setValue(true);
        b->setValue(true);
        QVERIFY(!a->Value());
        QVERIFY(b->Value());
        QCOMPARE(clicks, 1);
    }

    void shippedSoundsAreWaveFiles() {
        for (const char* name : {"click", "cash", "boink", "beep", "whizz", "typekey"}) {
            QFile f(resolveProgramPath(assetsFolder(), QStringLiteral("wav\\%1.wav").arg(QLatin1String(name))));
            QVERIFY2(f.open(QIODevice::ReadOnly), name);
            const auto wav = parseWav(f.readAll());
            QVERIFY2(wav, name);
            QCOMPARE(wav->bitsPerSample, 16);
            QCOMPARE(wav->channels, 1);
            QCOMPARE(wav->sampleRate, 22050);
            const double seconds = wav->samples.size() / 2.0 / 22050;
            QVERIFY2(seconds > 0.01 && seconds < 1.5, name);
        }
    }

    void damagedWaveFilesAreRefused() {
        const auto wave = [](quint16 format, quint16 channels, quint32 rate, quint16 bits, QByteArray data,
                             qint64 dataLength = -1) {
            QByteArray b("RIFF\0\0\0\0WAVEfmt ", 16);
            const auto put32 = [&b](quint32 v) { for (int i = 0; i < 4; ++i) b.append(char(v >> (8 * i))); };
            const auto put16 = [&b](quint16 v) { b.append(char(v)); b.append(char(v >> 8)); };
            put32(16);
            put16(format);
            put16(channels);
            put32(rate);
            put32(rate * channels * bits / 8);
            put16(quint16(channels * bits / 8));
            put16(bits);
            b.append("data");
            put32(quint32(dataLength < 0 ? data.size() : dataLength));
            b.append(data);
            return b;
        };
        const QByteArray pcm(400, '\x10');
        QVERIFY(parseWav(wave(1, 1, 22050, 16, pcm)));
        QCOMPARE(parseWav(wave(1, 2, 44100, 16, pcm))->samples.size(), 400);
        QCOMPARE(parseWav(wave(1, 1, 8000, 8, pcm))->bitsPerSample, 8);
        // Samples that end between frames are cut to a whole frame.
        QCOMPARE(parseWav(wave(1, 2, 22050, 16, pcm.left(399)))->samples.size(), 396);
        // A data chunk longer than the file: the file was cut short, and is refused.
        QVERIFY(!parseWav(wave(1, 2, 22050, 16, pcm.left(399), 1 << 30)));
        QVERIFY(!parseWav(wave(1, 1, 22050, 16, pcm).chopped(1)));
        QVERIFY(!parseWav(wave(3, 1, 22050, 32, pcm)));  // not PCM
        QVERIFY(!parseWav(wave(1, 1, 22050, 24, pcm)));
        QVERIFY(!parseWav(wave(1, 0, 22050, 16, pcm)));
        QVERIFY(!parseWav(wave(1, 1, 0, 16, pcm)));
        QVERIFY(!parseWav(wave(1, 1, 22050, 16, QByteArray())));
        QVERIFY(!parseWav(QByteArray("RIFF")));
        QVERIFY(!parseWav(QByteArray()));
        const QByteArray good = wave(1, 1, 22050, 16, pcm);
        for (int cut = 0; cut < 46; ++cut) QVERIFY2(!parseWav(good.left(cut)), qPrintable(QString::number(cut)));
        QByteArray hugeFormat = good;
        hugeFormat[16] = '\xff';
        hugeFormat[19] = '\x7f';
        QVERIFY(!parseWav(hugeFormat));
    }

    void soundPlayerIsSilentWithoutFileOrDevice() {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("wav")));
        touch(dir.filePath(QStringLiteral("wav/bad.wav")), "RIFF....WAVEjunk");
        RealSoundPlayer player(dir.path());
        player.play(QStringLiteral("wav\\click.wav"));  // no such file: nothing happens
        player.play(QStringLiteral("wav\\bad.wav"));    // a damaged file: nothing happens
        QVERIFY(!player.playable(QStringLiteral("wav\\click.wav")));
        QVERIFY(!player.playable(QStringLiteral("wav\\bad.wav")));
        // Each file is read once, whatever the spelling, and kept for every request.
        RealSoundPlayer shipped(assetsFolder());
        shipped.play(QStringLiteral("wav\\click.wav"));
        shipped.play(QStringLiteral("WAV\\click.wav"));
        shipped.play(QStringLiteral("wav\\click.wav"));
        QCOMPARE(shipped.soundsLoaded(), 1);
        shipped.play(QStringLiteral("wav\\cash.wav"));
        QCOMPARE(shipped.soundsLoaded(), 2);
    }

    void picturesAreKeptUntilTheirFileChanges() {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("Images")));
        const QString file = dir.filePath(QStringLiteral("Images/tick.jpg"));
        QVERIFY(QFile::copy(QDir(assetsFolder()).filePath(QStringLiteral("Images/tick.jpg")), file));
        PictureStore store(dir.path());
        const PictureResult first = store.load(QStringLiteral("images\\TICK.JPG"));
        QVERIFY(first.picture);
        QCOMPARE(store.picturesKept(), 1);
        // Read once: the second screen gets the same picture, without reading the file again.
        const PictureResult again = store.load(QStringLiteral("Images\\tick.jpg"));
        QVERIFY(again.picture);
        QCOMPARE(again.picture->sizeTwips(), first.picture->sizeTwips());
        QCOMPARE(store.picturesKept(), 1);
        // A file replaced by a damaged one is read again and refused, not shown from memory.
        touch(file, "\xFF\xD8 not a picture any more");
        QCOMPARE(store.load(QStringLiteral("Images\\tick.jpg")).failure, PictureResult::Failure::Invalid);
        QCOMPARE(store.picturesKept(), 0);
        QVERIFY(QFile::remove(file));
        QCOMPARE(store.load(QStringLiteral("Images\\tick.jpg")).failure, PictureResult::Failure::NotFound);
    }

    void soundsAreReadBeforeTheyAreAskedFor() {
        // Getting ready happens in steps on the event loop, never inside the call.
        const QStringList files{QStringLiteral("wav\\click.wav"), QStringLiteral("wav\\cash.wav"),
                                QStringLiteral("wav\\missing.wav"), QStringLiteral("wav\\beep.wav")};
        RealSoundPlayer player(assetsFolder());
        player.prepare(files);
        QCOMPARE(player.soundsLoaded(), 0);
        QTRY_COMPARE(player.soundsLoaded(), 4);
        QVERIFY(!player.playable(files[2]));  // a missing file is remembered as silent
        player.play(files[1]);  // already read: nothing new is loaded
        player.play(files[2]);
        QCOMPARE(player.soundsLoaded(), 4);
        // A player closed before its steps have run leaves nothing behind to run.
        auto early = std::make_unique<RealSoundPlayer>(assetsFolder());
        early->prepare(files);
        early.reset();
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
