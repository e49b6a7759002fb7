// The interface every board element implements: identity, stacking, lock,
// user data, an attached resource file and key-addressed properties.
#pragma once

#include "board/item/ielementtype.h"

#include <QGraphicsItem>
#include <QMetaType>
#include <QString>
#include <QTransform>
#include <QVariant>

class IElement
{
public:
    // Keys of setProperty()/property(), common to all elements.
    enum PropertyKey : int {
        TypeKey = 0,
        IdKey = 1,
        InkStyleKey = 2,
        InkColorKey = 3,
        InkAlphaKey = 4,
        InkWidthKey = 5,
        InkSegmentsKey = 6,
        InkTextureKey = 7,
        InkTexturePathKey = 8,
        LockedKey = 24,
        ZOrderKey = 25,
        MatrixKey = 26,
        PosXKey = 27,
        PosYKey = 28,
        ResourceFileKey = 33,
        ResourceNameKey = 34,
        UserNumberKey = 35,
        UserValueKey = 36,
    };

    IElement();
    virtual ~IElement();

    // Elements in existence, on slides or not: what the undo history keeps
    // alive shows here.
    static int liveCount();
    // False once the element was deleted, by whomever: what keeps pointers
    // to elements it does not own (the undo history, the bin) checks this
    // before it touches one.
    static bool isLive(const IElement* element);

    virtual void setElementId(const QString& id);
    virtual QString elementId() const;
    virtual void setZOrder(double z) = 0;
    virtual double zOrder() const = 0;
    virtual void setLocked(bool locked) = 0;
    virtual bool isLocked() const = 0;
    // Keys nobody handles read as an invalid variant and ignore writes.
    virtual void setProperty(int key, const QVariant& value);
    virtual QVariant property(int key) const;
    virtual void setUserData(int number, const QVariant& value);
    virtual void setUserNumber(int number);
    virtual void setUserValue(const QVariant& value);
    virtual int userNumber() const;
    virtual QVariant userValue() const;
    virtual void reservedHook() {}
    // Also gives the element a fresh resource name with the file's suffix.
    virtual void setResourceFile(const QString& path);
    virtual void setResourceName(const QString& name);
    virtual QString resourceFile() const;
    virtual QString resourceName() const;
    // A new element of the same class and geometry, parameters copied.
    virtual IElement* clone() const = 0;
    // Copies what every element has: resource file and user data. Overrides
    // call the base version for this part.
    virtual void copyItemParameters(IElement* target) const;

    // Which selection-frame handles apply when this element is selected alone.
    virtual bool isLeftEdgeResizable() const { return false; }
    virtual bool isRightEdgeResizable() const { return false; }
    virtual bool isTopEdgeResizable() const { return false; }
    virtual bool isBottomEdgeResizable() const { return false; }
    virtual bool isRotatable() const { return true; }
    virtual bool isTopLeftResizable() const { return true; }
    virtual bool isTopRightResizable() const { return true; }
    virtual bool isBottomRightResizable() const { return true; }
    virtual bool isBottomLeftResizable() const { return true; }

    // A random UUID without braces: the form of element and slide ids.
    static QString newElementId();
    // "matrix(m11, m12, m21, m22, dx, dy)", 16 significant digits, always
    // with a decimal period so the text reads back in any locale.
    static QString matrixText(const QTransform& matrix);
    // Anything but six readable, finite numbers gives the identity.
    static QTransform matrixFromText(const QString& text);

private:
    Q_DISABLE_COPY(IElement)

    QString m_elementId;
    int m_userNumber = 0;
    QVariant m_userValue;
    QString m_resourceFile;
    QString m_resourceName;
};

Q_DECLARE_METATYPE(IElement*)
