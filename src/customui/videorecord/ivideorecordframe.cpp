// The screen-recording overlay.
#include "customui/videorecord/ivideorecordframe.h"

#include "customui/common/ipanelstyle.h"
#include "customui/videorecord/ivideorecordmsgbox.h"
#include "ffmpeg/iffmpegapi.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPushButton>
#include <QToolButton>

namespace {

const QColor kFrameColour(235, 120, 7);
// Red, turning blue, green and red again; light enough that each reads on
// the dark bar.
const QColor kClockRed(255, 90, 90);
const char kClockStyle[] = "color:rgb(%1,%2,%3);background-color:transparent;";

QIcon stateIcon(const QString& normal, const QString& click)
{
    QIcon icon(normal);
    icon.addFile(click, QSize(), QIcon::Active);
    return icon;
}

} // namespace

IVideoRecordFrame::IVideoRecordFrame(QWidget* mainWindow, IFFmpegApi* api, std::function<QRect()> pictureRect)
    : IFreeZoneWidget(mainWindow)
    , m_mainWindow(mainWindow)
    , m_api(api)
    , m_pictureRect(std::move(pictureRect))
{
    const double s = scaleFactors().uniform;
    setObjectName(QStringLiteral("videoRecordFrame"));
    setFocusPolicy(Qt::StrongFocus);

    m_zoneBar = new QWidget(this);
    m_zoneBar->setObjectName(QStringLiteral("recordZones"));
    m_zoneBar->setAttribute(Qt::WA_StyledBackground, true);
    m_zoneBar->setStyleSheet(IPanelStyle::sheet(QStringLiteral("QWidget#recordZones")) +
                             QStringLiteral("QPushButton:checked{color:rgb(235,120,7);"
                                            "border-color:rgb(235,120,7);}"));
    auto* zones = new QHBoxLayout(m_zoneBar);
    const int margin = scaledPixels(4);
    zones->setContentsMargins(margin, margin, margin, margin);
    zones->setSpacing(margin);
    const QString zoneTexts[6] = {tr("Full screen"), tr("Automatic"), QStringLiteral("1024*768"),
                                  QStringLiteral("1080*720"),  QStringLiteral("800*600"), QStringLiteral("640*480")};
    for (int id = FullScreen; id <= Zone640x480; ++id) {
        const int width = id <= Automatic ? 150 : 100;
        QAbstractButton* zone = makeButton(id, zoneTexts[id], QSize(width, 35), m_zoneBar);
        zone->setCheckable(true);
        zone->setAutoExclusive(true);
        zones->addWidget(zone);
    }
    QAbstractButton* quit = makeButton(Quit, tr("Quit"), QSize(35, 35), m_zoneBar);
    quit->setIcon(stateIcon(QStringLiteral(":/title/title/tclosenormal.svg"),
                            QStringLiteral(":/title/title/tcloseclick.svg")));
    zones->addWidget(quit);

    QAbstractButton* start = makeButton(BigStart, tr("Start"), QSize(80, 80), this);
    start->setIcon(stateIcon(QStringLiteral(":/root/root/rstartnormal.svg"),
                             QStringLiteral(":/root/root/rstartclick.svg")));
    static_cast<QToolButton*>(start)->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    start->setIconSize(QSize(scaledPixels(36), scaledPixels(36)));
    start->setStyleSheet(QStringLiteral("QToolButton{color:white;background-color:rgba(40,40,40,210);"
                                        "border-radius:%1px;font-weight:bold;padding-top:%2px;}"
                                        "QToolButton:hover{background-color:rgba(235,120,7,230);}")
                             .arg(scaledPixels(14))
                             .arg(scaledPixels(6)));

    m_recordBar = new QWidget(this);
    m_recordBar->setObjectName(QStringLiteral("recordBar"));
    m_recordBar->setAttribute(Qt::WA_StyledBackground, true);
    m_recordBar->setStyleSheet(IPanelStyle::sheet(QStringLiteral("QWidget#recordBar")));
    auto* bar = new QHBoxLayout(m_recordBar);
    bar->setContentsMargins(margin, margin, 2 * margin, margin);
    bar->setSpacing(margin);
    const struct
    {
        int id;
        QString text;
        const char* icon;
    } barButtons[] = {
        {Resume, tr("Start"), "rstart"},
        {Pause, tr("Halt"), "rpause"},
        {Stop, tr("Stop"), "rstop"},
    };
    for (const auto& entry : barButtons) {
        QAbstractButton* button = makeButton(entry.id, entry.text, QSize(40, 40), m_recordBar);
        const QString icon = QStringLiteral(":/root/root/") + QLatin1String(entry.icon);
        button->setIcon(stateIcon(icon + QStringLiteral("normal.svg"), icon + QStringLiteral("click.svg")));
        bar->addWidget(button);
    }
    m_clock = new QLabel(QStringLiteral("00 : 00 : 00"), m_recordBar);
    QFont clockFont = m_clock->font();
    clockFont.setPointSizeF(20 * s);
    clockFont.setBold(true);
    m_clock->setFont(clockFont);
    setClockColour(kClockRed);
    bar->addWidget(m_clock);
    m_buttons[Resume]->hide();
    m_recordBar->hide();

    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, &IVideoRecordFrame::slClockTimeout);
    connect(this, &IFreeZoneWidget::sgZoneChanged, this, [this] { placeControls(); });
    connect(m_api, &IFFmpegApi::recordMessage, this, &IVideoRecordFrame::slRecordMessage);
    connect(m_api, &IFFmpegApi::sgRecordVideo, this, &IVideoRecordFrame::slRecordVideo);
    connect(m_api, &IFFmpegApi::sgRecordFailed, this, &IVideoRecordFrame::sgMessage);
    m_msgBox = new IVideoRecordMsgBox(mainWindow);
    mainWindow->installEventFilter(this);
    hide();
}

QAbstractButton* IVideoRecordFrame::makeButton(int id, const QString& text, const QSize& size, QWidget* parent)
{
    QAbstractButton* button = nullptr;
    if (id <= Zone640x480) {
        button = new QPushButton(text, parent);
    } else {
        auto* tool = new QToolButton(parent);
        tool->setText(text);
        tool->setToolTip(text);
        tool->setAutoRaise(true);
        const int side = scaledPixels(qMin(size.width(), size.height()) * 0.8);
        tool->setIconSize(QSize(side, side));
        button = tool;
    }
    button->setFixedSize(scaledPixels(size.width()), scaledPixels(size.height()));
    button->setProperty("id", id);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QAbstractButton::clicked, this, &IVideoRecordFrame::slButtonClick);
    m_buttons[id] = button;
    return button;
}

QAbstractButton* IVideoRecordFrame::button(int id) const
{
    return id >= FullScreen && id <= Stop ? m_buttons[id] : nullptr;
}

void IVideoRecordFrame::showFrame()
{
    if (m_recording)
        return;
    setGeometry(m_mainWindow->rect());
    setBackground(m_mainWindow->grab());
    clearMask();
    m_zoneBar->show();
    m_buttons[BigStart]->show();
    m_recordBar->hide();
    setZone(zone());
    placeControls();
    show();
    raise();
    setFocus();
}

QRect IVideoRecordFrame::zoneOnScreen() const
{
    // The recorder grabs device pixels.
    const qreal ratio = devicePixelRatioF();
    const QRect z = zone();
    const QPoint topLeft = mapToGlobal(z.topLeft());
    return QRect(qRound(topLeft.x() * ratio), qRound(topLeft.y() * ratio), qRound(z.width() * ratio),
                 qRound(z.height() * ratio));
}

void IVideoRecordFrame::slButtonClick()
{
    const int id = sender()->property("id").toInt();
    switch (id) {
    case Quit: hide(); break;
    case BigStart: startRecording(); break;
    case Resume: setPaused(false); break;
    case Pause: setPaused(true); break;
    case Stop: stopRecording(); break;
    default: chooseZone(id); break;
    }
}

void IVideoRecordFrame::stopRecording()
{
    if (!m_recording)
        return;
    finish();
    m_api->stopRecord();
}

void IVideoRecordFrame::chooseZone(int id)
{
    static const QSize presets[] = {{1024, 768}, {1080, 720}, {800, 600}, {640, 480}};
    QRect z;
    if (id == FullScreen) {
        z = rect();
    } else if (id == Automatic) {
        const QRect picture = m_pictureRect ? m_pictureRect() : QRect();
        z = QRect(mapFromGlobal(picture.topLeft()), picture.size()).intersected(rect());
        if (z.isEmpty())
            z = rect();
    } else if (id >= Zone1024x768 && id <= Zone640x480) {
        const QSize size = presets[id - Zone1024x768];
        z = QRect(0, 0, scaledPixels(size.width()), scaledPixels(size.height()));
        z.moveCenter(rect().center());
    } else {
        return;
    }
    setZone(z);
    for (int other = FullScreen; other <= Zone640x480; ++other)
        m_buttons[other]->setChecked(other == id);
}

void IVideoRecordFrame::startRecording()
{
    m_recording = true;
    // From here on the recorder may be grabbing: the live program shows
    // through, not the picture of it taken when the overlay opened.
    setBackground(QPixmap());
    m_buttons[BigStart]->hide();
    m_zoneBar->hide();
    updateMask();
    m_api->startRecord(IConfigureService::instance()->videoPath(), zoneOnScreen());
}

void IVideoRecordFrame::slRecordMessage(int code)
{
    switch (code) {
    case 2:
        if (!m_recording)
            return;
        show();
        m_zoneBar->hide();
        m_buttons[BigStart]->hide();
        m_recordBar->show();
        m_elapsed = 0;
        setClockColour(kClockRed);
        m_clock->setText(QStringLiteral("00 : 00 : 00"));
        m_clock->adjustSize();
        placeControls();
        m_clockTimer.start();
        break;
    case 3: finish(); break;
    case 4:
        if (isVisible())
            finish();
        break;
    default: break;
    }
}

void IVideoRecordFrame::slRecordVideo(const QString& path)
{
    if (isVisible())
        finish();
    m_msgBox->showPath(path);
}

void IVideoRecordFrame::setPaused(bool paused)
{
    m_api->pauseRecord(paused);
    m_paused = paused;
    if (paused)
        m_clockTimer.stop();
    else
        m_clockTimer.start();
    m_buttons[Resume]->setVisible(paused);
    m_buttons[Pause]->setVisible(!paused);
}

void IVideoRecordFrame::finish()
{
    m_clockTimer.stop();
    m_recording = false;
    m_paused = false;
    m_buttons[Resume]->hide();
    m_buttons[Pause]->show();
    m_recordBar->hide();
    clearMask();
    hide();
}

void IVideoRecordFrame::slClockTimeout()
{
    ++m_elapsed;
    // Red, blue, green, red...: the clock is seen to run.
    setClockColour(QColor(m_clockColour.green(), m_clockColour.blue(), m_clockColour.red()));
    m_clock->setText(clockText());
    m_clock->adjustSize();
    m_recordBar->adjustSize();
    placeControls();
}

void IVideoRecordFrame::setClockColour(const QColor& colour)
{
    m_clockColour = colour;
    m_clock->setStyleSheet(
        QString::fromLatin1(kClockStyle).arg(colour.red()).arg(colour.green()).arg(colour.blue()));
}

QString IVideoRecordFrame::clockText() const
{
    return QDateTime::fromSecsSinceEpoch(m_elapsed, Qt::UTC).toString(QStringLiteral("hh : mm : ss"));
}

QPainterPath IVideoRecordFrame::cornerMarks() const
{
    const qreal width = scaledPixels(20);
    const qreal arm = scaledPixels(100);
    // The stroke lies just outside the zone, so it is never recorded.
    const QRectF frame = QRectF(zone()).adjusted(-width / 2, -width / 2, width / 2, width / 2);
    const qreal armX = qMin(arm, frame.width() / 2);
    const qreal armY = qMin(arm, frame.height() / 2);
    QPainterPath marks;
    const QPointF corners[4] = {frame.topLeft(), frame.topRight(), frame.bottomRight(), frame.bottomLeft()};
    const QPointF inward[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int i = 0; i < 4; ++i) {
        marks.moveTo(corners[i] + QPointF(0, inward[i].y() * armY));
        marks.lineTo(corners[i]);
        marks.lineTo(corners[i] + QPointF(inward[i].x() * armX, 0));
    }
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(marks);
}

void IVideoRecordFrame::paintEvent(QPaintEvent* event)
{
    if (!m_recording)
        IFreeZoneWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(cornerMarks(), kFrameColour);
}

void IVideoRecordFrame::updateMask()
{
    if (!m_recording) {
        clearMask();
        return;
    }
    QRegion visible;
    const QList<QPolygonF> marks = cornerMarks().toFillPolygons();
    for (const QPolygonF& mark : marks)
        visible += QRegion(mark.toPolygon(), Qt::WindingFill);
    if (m_recordBar->isVisible())
        visible += m_recordBar->geometry();
    setMask(visible);
}

void IVideoRecordFrame::placeControls()
{
    const QRect area = rect();
    const QRect z = zone();
    const int gap = scaledPixels(24);
    auto inside = [&area](QRect box) {
        box.moveLeft(qBound(0, box.left(), qMax(0, area.width() - box.width())));
        box.moveTop(qBound(0, box.top(), qMax(0, area.height() - box.height())));
        return box;
    };

    // The zone choice below the zone, else above it, else inside its top.
    m_zoneBar->adjustSize();
    QRect bar(QPoint(0, 0), m_zoneBar->sizeHint());
    bar.moveLeft(z.center().x() - bar.width() / 2);
    if (z.bottom() + gap + bar.height() <= area.bottom())
        bar.moveTop(z.bottom() + gap);
    else if (z.top() - gap - bar.height() >= 0)
        bar.moveBottom(z.top() - gap);
    else
        bar.moveTop(z.top() + gap);
    m_zoneBar->setGeometry(inside(bar));

    QRect start(QPoint(0, 0), m_buttons[BigStart]->size());
    start.moveCenter(z.center());
    m_buttons[BigStart]->move(start.topLeft());

    // The recording bar beside the zone: below its right end, else right of
    // its bottom, else inside its bottom-right corner.
    m_recordBar->adjustSize();
    QRect record(QPoint(0, 0), m_recordBar->sizeHint());
    if (z.bottom() + gap + record.height() <= area.bottom()) {
        record.moveTopRight(QPoint(z.right(), z.bottom() + gap));
    } else if (z.right() + gap + record.width() <= area.right()) {
        record.moveBottomLeft(QPoint(z.right() + gap, z.bottom()));
    } else {
        record.moveBottomRight(z.bottomRight() - QPoint(gap, gap));
    }
    m_recordBar->setGeometry(inside(record));
    updateMask();
}

void IVideoRecordFrame::mousePressEvent(QMouseEvent* event)
{
    // The zone is fixed once the recorder has been given it.
    if (!m_recording)
        IFreeZoneWidget::mousePressEvent(event);
}

void IVideoRecordFrame::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_recording)
        IFreeZoneWidget::mouseMoveEvent(event);
}

void IVideoRecordFrame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !m_recording) {
        hide();
        return;
    }
    IFreeZoneWidget::keyPressEvent(event);
}

void IVideoRecordFrame::resizeEvent(QResizeEvent* event)
{
    IFreeZoneWidget::resizeEvent(event);
    placeControls();
}

bool IVideoRecordFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mainWindow && event->type() == QEvent::Resize && isVisible())
        setGeometry(m_mainWindow->rect());
    return IFreeZoneWidget::eventFilter(watched, event);
}
