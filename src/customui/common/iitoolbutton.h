// Tool button of the panels and toolbars: style-sheet look, a normal and a
// pressed icon, and an integer id reported with every click.
#pragma once

#include <QColor>
#include <QIcon>
#include <QStringList>
#include <QToolButton>
#include <QVariant>

class IIToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit IIToolButton(QWidget* parent = nullptr);
    IIToolButton(int id, const QString& normalIcon, const QString& pressedIcon,
                 QWidget* parent = nullptr);

    int id() const;
    void setId(int id);

    // The pressed icon shows while the button is held down or checked.
    void setIcons(const QString& normalIcon, const QString& pressedIcon);
    QColor backgroundColor() const;
    void setBackgroundColor(const QColor& color);
    // Background while hovered, pressed or checked.
    QColor hoverColor() const;
    void setHoverColor(const QColor& color);
    // Corner radius and padding in reference pixels; the screen scale applies.
    int radius() const;
    void setRadius(int radius);
    int padding() const;
    void setPadding(int padding);

    // A label under the icon may take two lines, split where the wider line
    // is narrowest, when the button is too narrow for one; the button is
    // then one line taller. Never cut in a word.
    void setTwoLineLabel(bool on);
    // The label's lines as painted at the current width.
    QStringList labelLines() const;
    // The button's width with its label on one line, the least width at
    // which it still shows its label whole, in two lines, and its width
    // with the icon alone.
    int oneLineWidth() const;
    int twoLineWidth() const;
    int iconOnlyWidth() const;

    QSize sizeHint() const override;

signals:
    void sgButtonClick(bool checked, QVariant id);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The style sheet for the current settings; subclasses draw a different face.
    virtual QString buttonStyleSheet() const;
    void refreshStyle();

    static QString cssColor(const QColor& color);

private:
    void refreshIcon();
    // What the button adds around its label's width.
    int labelMargin() const;
    // The label in two lines whose wider one is narrowest; one line when
    // the text cannot be broken.
    QStringList bestTwoLines() const;
    static int linesWidth(const QStringList& lines, const QFontMetrics& metrics);

    int m_id = 0;
    QIcon m_normalIcon;
    QIcon m_pressedIcon;
    QColor m_background = Qt::transparent;
    QColor m_hover = QColor(0, 0, 0, 30);
    int m_radius = 4;
    int m_padding = 2;
    bool m_twoLines = false;
};
