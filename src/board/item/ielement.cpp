// The parts of a board element that need no graphics item.
#include "board/item/ielement.h"

#include <QStringList>
#include <QUuid>

#include <QSet>

#include <cmath>
#include <mutex>

namespace {

std::mutex g_liveMutex;

QSet<const IElement*>& liveElements()
{
    static QSet<const IElement*> live;
    return live;
}

} // namespace

IElement::IElement()
{
    const std::lock_guard<std::mutex> lock(g_liveMutex);
    liveElements().insert(this);
}

IElement::~IElement()
{
    const std::lock_guard<std::mutex> lock(g_liveMutex);
    liveElements().remove(this);
}

int IElement::liveCount()
{
    const std::lock_guard<std::mutex> lock(g_liveMutex);
    return liveElements().size();
}

bool IElement::isLive(const IElement* element)
{
    const std::lock_guard<std::mutex> lock(g_liveMutex);
    return liveElements().contains(element);
}

void IElement::setElementId(const QString& id)
{
    m_elementId = id;
}

QString IElement::elementId() const
{
    return m_elementId;
}

void IElement::setProperty(int key, const QVariant& value)
{
    Q_UNUSED(key)
    Q_UNUSED(value)
}

QVariant IElement::property(int key) const
{
    Q_UNUSED(key)
    return QVariant();
}

void IElement::setUserData(int number, const QVariant& value)
{
    setUserNumber(number);
    setUserValue(value);
}

void IElement::setUserNumber(int number)
{
    m_userNumber = number;
}

void IElement::setUserValue(const QVariant& value)
{
    m_userValue = value;
}

int IElement::userNumber() const
{
    return m_userNumber;
}

QVariant IElement::userValue() const
{
    return m_userValue;
}

void IElement::setResourceFile(const QString& path)
{
    m_resourceFile = path;
    // Only the file name counts: a dot in a folder name is no suffix. Both
    // separators, since stored paths may come from Windows.
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString fileName = path.mid(slash + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString suffix = dot < 0 ? QString() : fileName.mid(dot + 1);
    m_resourceName = newElementId() + QLatin1Char('.') + suffix;
}

void IElement::setResourceName(const QString& name)
{
    m_resourceName = name;
}

QString IElement::resourceFile() const
{
    return m_resourceFile;
}

QString IElement::resourceName() const
{
    return m_resourceName;
}

void IElement::copyItemParameters(IElement* target) const
{
    if (!target)
        return;
    target->setResourceFile(m_resourceFile);
    target->setUserNumber(m_userNumber);
    target->setUserValue(m_userValue);
}

QString IElement::newElementId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString IElement::matrixText(const QTransform& matrix)
{
    // QString::number ignores the locale, unlike arg(double) with %L.
    const auto n = [](double v) { return QString::number(v, 'g', 16); };
    return QStringLiteral("matrix(%1, %2, %3, %4, %5, %6)")
        .arg(n(matrix.m11()), n(matrix.m12()), n(matrix.m21()), n(matrix.m22()),
             n(matrix.dx()), n(matrix.dy()));
}

QTransform IElement::matrixFromText(const QString& text)
{
    QString body = text;
    const QLatin1String prefix("matrix(");
    const int start = body.indexOf(prefix);
    if (start >= 0)
        body.remove(start, prefix.size());
    body.remove(QLatin1Char(')'));
    const QStringList parts = body.split(QLatin1Char(','));
    if (parts.size() < 6)
        return QTransform();
    double v[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        v[i] = parts.at(i).toDouble(&ok);
        // A garbled number must not collapse or poison the item's geometry.
        if (!ok || !std::isfinite(v[i]))
            return QTransform();
    }
    return QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
}
