#include "shell/module1.h"

#include "controls/form.h"
#include "shell/flow.h"
#include "shell/grey.h"

namespace qm {

QStringList soundsReadEarly() {
    return {QStringLiteral("wav\\click.wav"), QStringLiteral("wav\\cash.wav"),  QStringLiteral("wav\\boink.wav"),
            QStringLiteral("wav\\beep.wav"),  QStringLiteral("wav\\whizz.wav"), QStringLiteral("wav\\typekey.wav")};
}

QStringList picturesReadEarly() {
    return {QStringLiteral("Images\\literacy22.jpg"), QStringLiteral("Images\\logo2.jpg"),
            QStringLiteral("Images\\literacy2.jpg"),  QStringLiteral("Images\\exit.jpg"),
            QStringLiteral("Images\\next.jpg"),       QStringLiteral("Images\\answer.jpg"),
            QStringLiteral("Images\\check.jpg"),      QStringLiteral("Images\\tick.jpg"),
            QStringLiteral("Images\\cross.jpg"),      QStringLiteral("Images\\BOARD.WMF")};
}

namespace {

constexpr double kScreenWidth = 12000;
constexpr double kScreenHeight = 9000;
constexpr double kWideThreshold = 12000;
constexpr double kWideShift = 840;
const QColor kPrepareBack(49, 135, 214);

}  // namespace

void Module1::writeBank(const BankImage& bank) {
    const auto copy = [](const QStringList& from, auto& table) {
        for (int i = 0; i < int(from.size()) && i < int(table.size()); ++i) table[size_t(i)] = from[i];
    };
    copy(bank.question, QuestionBank);
    copy(bank.answer, AnswerBank);
    copy(bank.extra, ExtraBank);
    copy(bank.code, CodeBank);
    for (int i = 0; i < int(bank.keys.size()) && i < int(AnswerKey.size()); ++i) AnswerKey[size_t(i)] = bank.keys[i];
}

void Module1::PrepareScreen(Form& screen) {
    screen.setBackColor(kPrepareBack);
    screen.setIcon(QIcon());

    // From here on each step stands alone: a control the screen lacks or a picture that
    // cannot be read skips that step only.
    const auto picture = [this](const QString& path) { return platform.pictures.load(path).picture; };

    if (auto* p = screen.find<PictureBox>(QStringLiteral("Picture1"))) p->setBackColor(kPrepareBack);

    screen.setSize(kScreenWidth, kScreenHeight);
    screen.ScaleMode = 1;

    const QRect display = displayInUse(screen);
    platform.desktop.setBusyPointer(true);
    placeOnDisplay(screen, display);
    platform.desktop.setBusyPointer(false);

    auto* cmdexit = screen.find<PictureButton>(QStringLiteral("cmdexit"));
    auto* cmdgo = screen.find<PictureButton>(QStringLiteral("cmdgo"));
    auto* cmdsoln = screen.find<PictureButton>(QStringLiteral("cmdsoln"));
    auto* cmdcheckit = screen.find<PictureButton>(QStringLiteral("cmdcheckit"));
    const std::pair<PictureButton*, const char*> faces[] = {{cmdexit, "Images\\exit.jpg"},
                                                            {cmdgo, "Images\\next.jpg"},
                                                            {cmdsoln, "Images\\answer.jpg"},
                                                            {cmdcheckit, "images\\check.jpg"}};
    for (const auto& [button, path] : faces) {
        if (!button) continue;
        if (auto p = picture(QString::fromLatin1(path))) button->setPicture(*p);
    }
    const std::pair<PictureButton*, std::array<double, 4>> places[] = {{cmdgo, {10020, 7920, 1785, 500}},
                                                                       {cmdsoln, {10020, 7320, 1785, 500}},
                                                                       {cmdcheckit, {10020, 7320, 1785, 500}},
                                                                       {cmdexit, {90, 7920, 1785, 500}}};
    for (const auto& [button, r] : places) {
        if (!button) continue;
        button->Move(r[0], r[1], r[2], r[3]);
        button->setTabStop(false);
    }

    if (auto* board = screen.find<Image>(QStringLiteral("Image1"))) {
        if (auto p = picture(QStringLiteral("IMAGES\\BOARD.WMF"))) board->setPicture(*p);
        board->Move(10200, 90);
    }

    auto* imgtick = screen.find<PictureBox>(QStringLiteral("imgtick"));
    auto* imgcross = screen.find<PictureBox>(QStringLiteral("imgcross"));
    if (imgtick) imgtick->Move(10740, 180);
    if (imgcross) imgcross->Move(10740, 180);
    if (imgcross)
        if (auto p = picture(QStringLiteral("images\\cross.jpg"))) imgcross->setPicture(*p);
    if (imgtick)
        if (auto p = picture(QStringLiteral("images\\tick.jpg"))) imgtick->setPicture(*p);
    if (imgtick) imgtick->Hide();
    if (imgcross) imgcross->Hide();
}

QRect Module1::displayInUse(const Form& opening) const {
    const Form* before = flow ? flow->screen(flow->front()) : nullptr;
    if (!before || before == &opening || before->unloaded()) return platform.desktop.primaryTwips();
    return platform.desktop.displayAtTwips(before->centreTwips());
}

void Module1::placeOnDisplay(Form& screen, const QRect& display) {
    const double W = display.width();
    const double H = display.height();
    screen.setTop(display.top() + H / 2.0 - screen.Height() / 2.0);
    if (W > kWideThreshold) {
        screen.setLeft(display.left() + W / 2.0 - screen.Width() / 2.0 - kWideShift);
    } else {
        screen.setLeft(display.left() + W / 2.0 - screen.Width() / 2.0);
    }
}

void Module1::followToDisplay(Form& screen, const Form& before) {
    const QRect to = platform.desktop.displayAtTwips(before.centreTwips());
    if (platform.desktop.displayAtTwips(screen.centreTwips()) != to) placeOnDisplay(screen, to);
}

void Module1::PlayCue(const QString& path) {
    if (SoundOn != 1) return;
    if (!flow) return;
    auto* grey = static_cast<Grey*>(flow->load(QStringLiteral("Grey")));
    if (grey) grey->SndDevil1.Play(path);
}

Picture Module1::LoadPicture(const QString& path) {
    const PictureResult r = platform.pictures.load(path);
    if (r.picture) return *r.picture;
    if (r.failure == PictureResult::Failure::NotFound) {
        platform.fatal.fail(QStringLiteral("Run-time error '53'"), QStringLiteral("File not found: %1").arg(path));
    }
    platform.fatal.fail(QStringLiteral("Run-time error '481'"), QStringLiteral("Invalid picture: %1").arg(path));
    return {};  // not reached: the report ends the program
}

}  // namespace qm
