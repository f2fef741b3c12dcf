#include "Styles.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPair>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// One row per themed look; everything else in the sheet is derived from these values.
struct Theme
{
    const char *name;
    const char *window;
    const char *base;
    const char *alternateBase;
    const char *text;
    const char *button;
    const char *buttonText;
    const char *highlight;
    const char *highlightText;
    const char *accent;
    const char *border;
    const char *disabledText;
    int radius;     // corner radius of buttons, fields and frames, px
    int gloss;      // 0 flat, 1 soft vertical gradient, 2 glassy two-tone
    bool accentBar; // menu bar drawn in the highlight colour
    int extraPad;   // extra vertical padding, px, for touch-sized controls
};

// clang-format off
const Theme kThemes[] = {
//    name                    window     base       altBase    text       button     btnText    highlight  hlText     accent     border     disabled  r  g  bar    pad
    {"Amakrits",              "#2b2724", "#221f1c", "#2a2623", "#e8e0d6", "#3a3430", "#efe6dc", "#a3541b", "#ffffff", "#e08a3c", "#5a4d42", "#857a6f", 3, 1, false, 0},
    {"Amethyst Kamri",        "#efeaf4", "#ffffff", "#f6f2fa", "#2a2233", "#e2d9ec", "#2a2233", "#7b4fa8", "#ffffff", "#9a66cc", "#b9a9cc", "#9d93a8", 4, 1, false, 0},
    {"Aqua Graphite",         "#2d3033", "#232629", "#2a2e31", "#e4e9ec", "#3b4044", "#e8eef0", "#1b7a8c", "#ffffff", "#3fc1d6", "#545c62", "#7b8389", 3, 0, false, 0},
    {"Aqua Light Slate",      "#e6edf0", "#ffffff", "#f1f6f8", "#1f2d33", "#d5e1e6", "#1f2d33", "#1a7a8d", "#ffffff", "#22a6bd", "#a3b6be", "#8e9ca2", 3, 0, false, 0},
    {"Auric",                 "#f5efe0", "#fffdf7", "#faf5e8", "#3a2f17", "#eadfc2", "#3a2f17", "#8f6a0e", "#ffffff", "#c9a227", "#cdbb8a", "#a39a85", 3, 2, false, 0},
    {"Carbon",                "#262626", "#1b1b1b", "#232323", "#dedede", "#353535", "#e6e6e6", "#4d6f95", "#ffffff", "#7fa6cf", "#4a4a4a", "#767676", 2, 1, false, 0},
    {"Charcoal Dark Slate",   "#2f353d", "#262b31", "#2d333a", "#dfe5ec", "#3c434c", "#e6ebf1", "#4e6a8c", "#ffffff", "#7e9cc2", "#58626d", "#808994", 3, 0, false, 0},
    {"Cobalt XEMedia",        "#15233f", "#0e1a31", "#13213c", "#dce6f7", "#1f3560", "#e8effb", "#1f5fd0", "#ffffff", "#5c97ff", "#34508a", "#7184a8", 2, 2, true , 0},
    {"Cyan Dusk",             "#2f3b48", "#27313c", "#2d3945", "#e2ebf2", "#3b4958", "#e6f0f6", "#13717f", "#ffffff", "#2ec4d6", "#53657a", "#84919e", 4, 0, false, 0},
    {"Cyan Night",            "#0f1922", "#0a121a", "#0f1a23", "#d6eef5", "#1a2b36", "#dff3f8", "#00727f", "#ffffff", "#00c8e0", "#2a4653", "#627c88", 3, 0, false, 0},
    {"Emerald Light Slate",   "#e5ebea", "#ffffff", "#f0f5f3", "#1c2b27", "#d3dfdb", "#1c2b27", "#1e7d55", "#ffffff", "#2aa36f", "#a0b4ad", "#8d9b97", 3, 0, false, 0},
    {"Glossy",                "#e9edf2", "#ffffff", "#f2f5f9", "#1b2430", "#dbe3ec", "#1b2430", "#2f6db5", "#ffffff", "#4a8fe0", "#9fb0c4", "#9099a5", 5, 2, false, 0},
    {"Glow",                  "#1e2126", "#16181c", "#1c1f24", "#e6eaf0", "#2a2f36", "#eef2f7", "#1470b8", "#ffffff", "#43b6ff", "#3e4652", "#747c88", 5, 1, false, 0},
    {"Golden Graphite",       "#2e2d2b", "#242321", "#2b2a28", "#ece6d8", "#3d3b37", "#f0e9da", "#d4a934", "#1c1a15", "#e0b64a", "#595650", "#858074", 3, 1, false, 0},
    {"Iceberg Classico",      "#e8f1f6", "#fbfeff", "#eef6fa", "#17303d", "#d6e6ef", "#17303d", "#32739b", "#ffffff", "#5aa5d0", "#9dbccd", "#8ea3ae", 2, 1, false, 0},
    {"Lavender Classico",     "#ecebf5", "#fdfcff", "#f3f2fa", "#26233a", "#dddbed", "#26233a", "#625ba8", "#ffffff", "#8c85d6", "#aeaacb", "#98959f", 2, 1, false, 0},
    {"Light",                 "#f7f7f8", "#ffffff", "#f4f6f8", "#1e1e1e", "#fdfdfd", "#1e1e1e", "#1a66c9", "#ffffff", "#2b7de9", "#c3c7cc", "#a0a4a8", 4, 0, false, 0},
    {"Luna",                  "#ece9d8", "#ffffff", "#f5f3ea", "#000000", "#f4f3ee", "#000000", "#316ac5", "#ffffff", "#e8a33d", "#7f9db9", "#a19f95", 3, 1, false, 0},
    {"Metropolis UI Black",   "#111111", "#000000", "#161616", "#f2f2f2", "#262626", "#f5f5f5", "#0c7bbd", "#ffffff", "#1ba1e2", "#3c3c3c", "#6e6e6e", 0, 0, true , 0},
    {"Metropolis UI Blue",    "#f3f6fa", "#ffffff", "#eef3f9", "#1a1a1a", "#e4ebf3", "#1a1a1a", "#1e5fae", "#ffffff", "#2e7ad1", "#b9c7d8", "#9aa3ad", 0, 0, true , 0},
    {"Metropolis UI Dark",    "#2d2d30", "#252526", "#2b2b2e", "#f1f1f1", "#3e3e42", "#f1f1f1", "#007acc", "#ffffff", "#3399ff", "#4a4a4e", "#76767a", 0, 0, true , 0},
    {"Metropolis UI Green",   "#f3f7f3", "#ffffff", "#eff6ef", "#1a1a1a", "#e3ede3", "#1a1a1a", "#2d7d32", "#ffffff", "#43a047", "#b6cbb7", "#9aa59a", 0, 0, true , 0},
    {"Obsidian",              "#1a1a20", "#121216", "#18181e", "#e1e0e8", "#2a2a33", "#e9e8f0", "#5b4bb7", "#ffffff", "#9d8ff5", "#3e3e4b", "#727180", 3, 1, false, 0},
    {"Onyx Blue",             "#1a1e26", "#11141a", "#181c24", "#dfe6ee", "#28303c", "#e8eef5", "#2a6fc4", "#ffffff", "#4a90e2", "#404753", "#737c89", 3, 0, false, 0},
    {"Ruby Graphite",         "#2e2c2d", "#242223", "#2b292a", "#ece4e6", "#3d393b", "#f0e8ea", "#a5203a", "#ffffff", "#e05a72", "#5a5256", "#857c80", 3, 1, false, 0},
    {"Sapphire Kamri",        "#e9eef7", "#ffffff", "#f1f5fb", "#18233a", "#d7e1f1", "#18233a", "#1f4fa3", "#ffffff", "#3a6fd0", "#a7b7d4", "#939db0", 4, 1, false, 0},
    {"Silver",                "#e4e6e9", "#fafafa", "#eff0f2", "#1f2226", "#d9dce0", "#1f2226", "#5a697d", "#ffffff", "#8796aa", "#a9aeb5", "#95999f", 3, 2, false, 0},
    {"Sky",                   "#e4f1fb", "#ffffff", "#eef7fd", "#10283c", "#cfe6f7", "#10283c", "#1c72b3", "#ffffff", "#46a6ef", "#94c1e3", "#8aa5ba", 4, 1, false, 0},
    {"Slate Classico",        "#dfe3e8", "#fbfcfd", "#edf0f3", "#1f2730", "#ccd3db", "#1f2730", "#4a6482", "#ffffff", "#6d8bb0", "#98a4b2", "#8a949f", 2, 1, false, 0},
    {"Smokey Quartz Kamri",   "#ebe6e1", "#fffdfb", "#f4f0ec", "#2e2621", "#ddd4cb", "#2e2621", "#7a5f4d", "#ffffff", "#a07d62", "#bcaea2", "#a0968d", 4, 1, false, 0},
    {"Tablet Light",          "#f2f2f7", "#ffffff", "#f7f7fa", "#1c1c1e", "#e5e5ea", "#1c1c1e", "#0a6ad6", "#ffffff", "#0a84ff", "#c7c7cc", "#a1a1a6", 6, 0, false, 2},
    {"TabletDark",            "#232629", "#1a1c1f", "#202326", "#eceff2", "#33373c", "#f2f4f6", "#b04e08", "#ffffff", "#ff8c1a", "#474c53", "#7b8289", 6, 0, false, 2},
    {"Turquoise Gray",        "#dde2e3", "#fbfcfc", "#ebefef", "#1f2828", "#cbd3d4", "#1f2828", "#127872", "#ffffff", "#1fb5ac", "#9fabad", "#879393", 3, 0, false, 0},
    {"Windows10",             "#f0f0f0", "#ffffff", "#f7f7f7", "#000000", "#e1e1e1", "#000000", "#0073cf", "#ffffff", "#0078d7", "#adadad", "#8d8d8d", 0, 0, false, 0},
    {"Windows10 Blue",        "#eaf1fb", "#ffffff", "#f2f7fd", "#000000", "#dce7f5", "#000000", "#0063b1", "#ffffff", "#0078d7", "#9cb6d6", "#8896a8", 0, 0, true , 0},
    {"Windows10 Dark",        "#202020", "#191919", "#242424", "#ffffff", "#333333", "#ffffff", "#0063b1", "#ffffff", "#3a96dd", "#505050", "#767676", 0, 0, false, 0},
    {"Windows10 Green",       "#edf5ed", "#ffffff", "#f3f9f3", "#000000", "#dcebdc", "#000000", "#107c10", "#ffffff", "#10893e", "#a3c2a3", "#8ea08e", 0, 0, true , 0},
    {"Windows10 Purple",      "#f1edf7", "#ffffff", "#f7f4fb", "#000000", "#e4dcf0", "#000000", "#744da9", "#ffffff", "#8764b8", "#b7a6d0", "#9c93a8", 0, 0, true , 0},
    {"Windows10 SlateGray",   "#e9ebee", "#ffffff", "#f3f4f6", "#000000", "#d9dde2", "#000000", "#515c6b", "#ffffff", "#68768a", "#a4acb6", "#8f959d", 0, 0, true , 0},
};
// clang-format on

const QString kPlainName = QStringLiteral("Windows");

// Single template for every themed look; @key@ placeholders are filled from the table above.
const char *const kSheetTemplate = R"(
QMainWindow, QDialog { background-color: @window@; }
QToolTip { color: @tipText@; background-color: @tipBg@; border: 1px solid @accent@; padding: 3px 5px; }

QMenuBar { color: @menubarText@; background: @menubarFill@; border-bottom: 1px solid @menubarLine@; }
QMenuBar::item { background: transparent; padding: @padMenu@px 10px; }
QMenuBar::item:selected { color: @menubarText@; background: @menubarHover@; }
QMenuBar::item:pressed { color: @menubarPressedText@; background: @menubarPressed@; }
QMenuBar::item:disabled { color: @menubarDisabled@; }
QMenu { color: @text@; background-color: @menuBg@; border: 1px solid @border@; padding: 3px 0px; }
QMenu::item { background: transparent; padding: @padMenu@px 24px @padMenu@px 24px; }
QMenu::item:selected { color: @hlText@; background-color: @hl@; }
QMenu::item:disabled { color: @disabled@; background: transparent; }
QMenu::separator { height: 1px; background: @borderSoft@; margin: 3px 6px; }

QToolBar { background: @window@; border: none; spacing: 3px; padding: 2px; }
QStatusBar { color: @text@; background: @window@; border-top: 1px solid @borderSoft@; }
QStatusBar::item { border: none; }

QPushButton { color: @buttonText@; background: @btnFill@; border: 1px solid @border@; border-radius: @radius@px; padding: @padButton@px 14px; }
QDialogButtonBox QPushButton { min-width: 64px; }
QPushButton:default { background: @btnDefaultFill@; border-color: @accent@; }
QPushButton:focus { border-color: @accent@; }
QPushButton:hover { background: @btnHoverFill@; border-color: @accent@; }
QPushButton:pressed, QPushButton:checked { background: @btnPressed@; border-color: @accent@; }
QPushButton:disabled { color: @disabled@; background: @btnDisabled@; border-color: @borderDisabled@; }
QPushButton:flat { background: transparent; border-color: transparent; }
QPushButton:flat:hover { background: @btnHoverFill@; border-color: @border@; }

QToolButton { color: @buttonText@; background: transparent; border: 1px solid transparent; border-radius: @radius@px; padding: 3px; }
QToolButton:hover { background: @btnHoverFill@; border-color: @border@; }
QToolButton:pressed, QToolButton:checked { background: @btnPressed@; border-color: @accent@; }
QToolButton:disabled { color: @disabled@; }

QLineEdit, QAbstractSpinBox, QComboBox, QTextEdit, QPlainTextEdit {
    color: @text@; background-color: @base@; border: 1px solid @border@; border-radius: @radius@px;
    selection-color: @hlText@; selection-background-color: @hl@;
}
QLineEdit, QAbstractSpinBox { padding: @padField@px 4px; }
/* Vertical combo padding also becomes the popup margins, so the height comes from min-height. */
QComboBox { padding: 0px 4px; min-height: @comboHeight@px; }
QTextEdit, QPlainTextEdit { padding: 2px; }
QAbstractSpinBox QLineEdit, QComboBox QLineEdit { background: transparent; border: none; padding: 0px; }
QLineEdit:read-only, QAbstractSpinBox[readOnly="true"], QTextEdit[readOnly="true"], QPlainTextEdit[readOnly="true"] {
    background-color: @fieldReadOnly@;
}
QLineEdit:hover, QAbstractSpinBox:hover, QComboBox:hover { border-color: @fieldHoverBorder@; }
QLineEdit:focus, QAbstractSpinBox:focus, QComboBox:focus, QTextEdit:focus, QPlainTextEdit:focus { border-color: @accent@; }
QLineEdit:disabled, QAbstractSpinBox:disabled, QComboBox:disabled, QTextEdit:disabled, QPlainTextEdit:disabled {
    color: @disabled@; background-color: @fieldDisabled@; border-color: @borderDisabled@;
}
QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: center right; width: 18px; border: none; }
QComboBox::down-arrow { image: url(@arrowDown@); width: 10px; height: 10px; }
QComboBox::down-arrow:disabled { image: url(@arrowDownDisabled@); }
QComboBox QAbstractItemView {
    color: @text@; background-color: @menuBg@; border: 1px solid @border@; outline: 0px;
    selection-color: @hlText@; selection-background-color: @hl@;
}
QAbstractSpinBox::up-button, QAbstractSpinBox::down-button {
    subcontrol-origin: border; width: 16px; background: transparent; border: none; border-left: 1px solid @borderSoft@;
}
QAbstractSpinBox::up-button { subcontrol-position: top right; }
QAbstractSpinBox::down-button { subcontrol-position: bottom right; }
QAbstractSpinBox::up-button:hover, QAbstractSpinBox::down-button:hover { background: @btnHoverFill@; }
QAbstractSpinBox::up-arrow { image: url(@arrowUp@); width: 8px; height: 8px; }
QAbstractSpinBox::down-arrow { image: url(@arrowDown@); width: 8px; height: 8px; }
QAbstractSpinBox::up-arrow:disabled, QAbstractSpinBox::up-arrow:off { image: url(@arrowUpDisabled@); }
QAbstractSpinBox::down-arrow:disabled, QAbstractSpinBox::down-arrow:off { image: url(@arrowDownDisabled@); }
QDateTimeEdit::drop-down { subcontrol-origin: padding; subcontrol-position: center right; width: 18px; border: none; }
QDateTimeEdit::down-arrow { image: url(@arrowDown@); width: 10px; height: 10px; }
QDateTimeEdit::down-arrow:disabled { image: url(@arrowDownDisabled@); }

QCheckBox, QRadioButton { spacing: 6px; }
QCheckBox::indicator, QGroupBox::indicator, QAbstractItemView::indicator, QRadioButton::indicator {
    width: 12px; height: 12px; border: 1px solid @indicatorBorder@; background-color: @base@;
}
QCheckBox::indicator, QGroupBox::indicator, QAbstractItemView::indicator { border-radius: @radiusCheck@px; }
QRadioButton::indicator { border-radius: 7px; }
QCheckBox::indicator:hover, QGroupBox::indicator:hover, QRadioButton::indicator:hover { border-color: @accent@; }
QCheckBox::indicator:checked, QGroupBox::indicator:checked, QAbstractItemView::indicator:checked {
    background-color: @hl@; border-color: @hl@; image: url(@checkMark@);
}
QCheckBox::indicator:indeterminate, QAbstractItemView::indicator:indeterminate {
    background-color: @hl@; border-color: @hl@; image: url(@partialMark@);
}
QRadioButton::indicator:checked { border-color: @hl@; image: url(@radioDot@); }
QCheckBox::indicator:disabled, QGroupBox::indicator:disabled, QRadioButton::indicator:disabled {
    background-color: @fieldDisabled@; border-color: @borderDisabled@;
}
QCheckBox::indicator:checked:disabled, QGroupBox::indicator:checked:disabled { image: url(@checkMarkDisabled@); }
QCheckBox::indicator:indeterminate:disabled { image: url(@partialMarkDisabled@); }
QRadioButton::indicator:checked:disabled { image: url(@radioDotDisabled@); }

QGroupBox { border: 1px solid @border@; border-radius: @radius@px; margin-top: 0.7em; padding-top: 0.5em; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0px 4px; color: @strong@; }
QGroupBox::title:disabled { color: @disabled@; }

QTabWidget::pane { border: 1px solid @border@; background: @window@; top: -1px; }
QTabBar::tab {
    color: @buttonText@; background: @tabFill@; border: 1px solid @border@; border-top: 2px solid transparent;
    border-bottom: none; padding: @padMenu@px 12px; margin-right: 1px;
    border-top-left-radius: @radius@px; border-top-right-radius: @radius@px;
}
QTabBar::tab:!selected { margin-top: 2px; }
QTabBar::tab:hover:!selected { background: @tabHover@; }
QTabBar::tab:selected { color: @text@; background: @window@; border-top: 2px solid @accent@; margin-bottom: -1px; }
QTabBar::tab:disabled { color: @disabled@; }

QAbstractItemView {
    color: @text@; background-color: @base@; alternate-background-color: @alt@; gridline-color: @grid@;
    border: 1px solid @border@; selection-color: @hlText@; selection-background-color: @hl@;
}
QAbstractItemView:disabled { color: @disabled@; }
QHeaderView { background-color: @button@; border: none; }
QHeaderView::section {
    color: @buttonText@; background: @headerFill@; border: none;
    border-right: 1px solid @grid@; border-bottom: 1px solid @border@; padding: 3px 6px;
}
QHeaderView::section:vertical { border-right: 1px solid @border@; border-bottom: 1px solid @grid@; padding: 0px 4px; }
QTableCornerButton::section { background: @button@; border: none; border-right: 1px solid @border@; border-bottom: 1px solid @border@; }

QScrollBar:vertical { background: @groove@; width: 12px; margin: 0px; border: none; }
QScrollBar:horizontal { background: @groove@; height: 12px; margin: 0px; border: none; }
QScrollBar::handle { background: @handle@; border-radius: @radiusHandle@px; margin: 2px; }
QScrollBar::handle:vertical { min-height: 24px; }
QScrollBar::handle:horizontal { min-width: 24px; }
QScrollBar::handle:hover { background: @handleHover@; }
QScrollBar::handle:pressed { background: @accent@; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QAbstractScrollArea::corner { background: @groove@; border: none; }

QProgressBar {
    color: @text@; background-color: @base@; border: 1px solid @border@; border-radius: @radius@px;
    text-align: center;
}
QProgressBar::chunk { background: @chunk@; border-radius: @radiusInner@px; }

QSplitter::handle { background: @window@; }
QSlider::groove:horizontal { height: 4px; background: @groove@; border: 1px solid @borderSoft@; border-radius: 2px; }
QSlider::handle:horizontal { width: 12px; margin: -5px 0px; background: @btnFill@; border: 1px solid @border@; border-radius: 3px; }
QSlider::sub-page:horizontal { background: @accent@; border-radius: 2px; }

QCalendarWidget QWidget#qt_calendar_navigationbar { background-color: @hl@; }
QCalendarWidget QToolButton { color: @hlText@; background: transparent; border: none; padding: 2px 6px; }
QCalendarWidget QToolButton:hover { background-color: @hlHover@; }
QCalendarWidget QToolButton::menu-indicator { image: none; }
QCalendarWidget QAbstractItemView { border: none; }
)";

QColor mix(const QColor &a, const QColor &b, double t)
{
    const auto lerp = [t](float x, float y) { return float(x + (y - x) * t); };
    return QColor::fromRgbF(lerp(a.redF(), b.redF()), lerp(a.greenF(), b.greenF()),
                            lerp(a.blueF(), b.blueF()));
}

double luminance(const QColor &c)
{
    const auto channel = [](float v) {
        return v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString css(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString fill(const QColor &c, int gloss)
{
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    switch (gloss) {
    case 1:
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
            .arg(css(mix(c, white, 0.10)), css(mix(c, black, 0.04)));
    case 2:
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:0.48 %2, stop:0.52 "
                              "%3, stop:1 %4)")
            .arg(css(mix(c, white, 0.32)), css(mix(c, white, 0.14)), css(c), css(mix(c, white, 0.06)));
    default:
        return css(c);
    }
}

// Small glyphs the sheet needs as images; Fusion's own arrows and marks would ignore the sheet colours.
enum class Glyph
{
    Up,
    Down,
    Check,
    Partial,
    Dot
};

// Glyph images go to a private temporary folder (removed at exit); names encode glyph and colour.
QString glyphFile(Glyph glyph, const QColor &color)
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    static const char *const stems[] = {"up", "down", "check", "partial", "dot"};
    const QString stem = dir.filePath(
        QStringLiteral("%1-%2").arg(QLatin1String(stems[int(glyph)]), color.name(QColor::HexRgb).mid(1)));
    const QString file = stem + QStringLiteral(".png");
    if (QFile::exists(file))
        return file;

    // Drawn on a 12-unit grid; the @2x variant keeps glyphs crisp on high-DPI screens.
    for (int scale : {1, 2}) {
        QImage img(12 * scale, 12 * scale, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        QPainterPath path;
        switch (glyph) {
        case Glyph::Up:
            path.moveTo(1.5, 8.5);
            path.lineTo(6, 4);
            path.lineTo(10.5, 8.5);
            path.closeSubpath();
            p.fillPath(path, color);
            break;
        case Glyph::Down:
            path.moveTo(1.5, 3.5);
            path.lineTo(6, 8);
            path.lineTo(10.5, 3.5);
            path.closeSubpath();
            p.fillPath(path, color);
            break;
        case Glyph::Check:
            path.moveTo(2.5, 6.2);
            path.lineTo(5, 8.7);
            path.lineTo(9.7, 3.3);
            p.strokePath(path, QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            break;
        case Glyph::Partial:
            p.fillRect(QRectF(2.5, 5, 7, 2), color);
            break;
        case Glyph::Dot:
            path.addEllipse(QPointF(6, 6), 3, 3);
            p.fillPath(path, color);
            break;
        }
        p.end();
        img.save(scale == 1 ? file : stem + QStringLiteral("@2x.png"));
    }
    return file;
}

const Theme *findTheme(const QString &canonical)
{
    for (const Theme &t : kThemes) {
        if (canonical == QLatin1String(t.name))
            return &t;
    }
    return nullptr;
}

QPalette makePalette(const Theme &t)
{
    const QColor window(t.window), base(t.base), alt(t.alternateBase), text(t.text), button(t.button),
        buttonText(t.buttonText), hl(t.highlight), hlText(t.highlightText), accent(t.accent),
        disabled(t.disabledText);
    const QColor white(Qt::white), black(Qt::black);
    const QColor link = contrast(accent, base) >= contrast(hl, base) ? accent : hl;

    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, alt);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::PlaceholderText, mix(text, base, 0.45));
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, buttonText);
    p.setColor(QPalette::BrightText, contrast(white, window) > contrast(black, window) ? white : black);
    p.setColor(QPalette::Light, mix(button, white, 0.35));
    p.setColor(QPalette::Midlight, mix(button, white, 0.15));
    p.setColor(QPalette::Mid, mix(button, black, 0.25));
    p.setColor(QPalette::Dark, mix(button, black, 0.45));
    p.setColor(QPalette::Shadow, mix(button, black, 0.75));
    p.setColor(QPalette::Highlight, hl);
    p.setColor(QPalette::HighlightedText, hlText);
    p.setColor(QPalette::Link, link);
    p.setColor(QPalette::LinkVisited, mix(link, text, 0.3));
    p.setColor(QPalette::ToolTipBase,
               window.lightnessF() < 0.5 ? mix(button, base, 0.3) : mix(base, accent, 0.08));
    p.setColor(QPalette::ToolTipText, text);

    p.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    p.setColor(QPalette::Disabled, QPalette::Text, disabled);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    p.setColor(QPalette::Disabled, QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Disabled, QPalette::Base, mix(base, window, 0.8));
    p.setColor(QPalette::Disabled, QPalette::Button, mix(button, window, 0.55));
    p.setColor(QPalette::Disabled, QPalette::Highlight, mix(hl, window, 0.5));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, mix(hlText, window, 0.3));
    return p;
}

QString makeSheet(const Theme &t)
{
    const QColor window(t.window), base(t.base), alt(t.alternateBase), text(t.text), button(t.button),
        buttonText(t.buttonText), hl(t.highlight), hlText(t.highlightText), accent(t.accent),
        border(t.border), disabled(t.disabledText);
    const bool dark = window.lightnessF() < 0.5;
    const int g = t.gloss;

    // Progress text is drawn in one colour over both parts, so the chunk is toned until that colour reads.
    const QColor chunkStart = dark ? hl : accent;
    QColor chunk = chunkStart;
    for (double k = 0.0; k <= 1.0; k += 0.05) {
        chunk = mix(chunkStart, base, k);
        if (contrast(text, chunk) >= 4.5)
            break;
    }

    const QList<QPair<QString, QString>> vars = {
        {"window", css(window)},
        {"base", css(base)},
        {"alt", css(alt)},
        {"text", css(text)},
        {"button", css(button)},
        {"buttonText", css(buttonText)},
        {"hl", css(hl)},
        {"hlText", css(hlText)},
        {"hlHover", css(mix(hl, hlText, 0.2))},
        {"accent", css(accent)},
        {"border", css(border)},
        {"borderSoft", css(mix(border, window, 0.4))},
        {"borderDisabled", css(mix(border, window, 0.35))},
        {"disabled", css(disabled)},
        {"strong", css(contrast(accent, window) >= contrast(hl, window) ? accent : hl)},
        {"tipBg", css(dark ? mix(button, base, 0.3) : mix(base, accent, 0.08))},
        {"tipText", css(text)},
        {"menubarFill", t.accentBar ? css(hl)
                        : g         ? fill(mix(window, button, 0.5), 1)
                                    : css(window)},
        {"menubarText", css(t.accentBar ? hlText : text)},
        {"menubarLine", css(t.accentBar ? hl : mix(border, window, 0.4))},
        {"menubarHover", css(t.accentBar ? mix(hl, hlText, 0.18) : mix(window, accent, dark ? 0.30 : 0.20))},
        {"menubarPressed", css(t.accentBar ? base : hl)},
        {"menubarPressedText", css(t.accentBar ? text : hlText)},
        {"menubarDisabled", css(t.accentBar ? mix(hlText, hl, 0.5) : disabled)},
        {"menuBg", css(dark ? mix(base, window, 0.5) : base)},
        {"btnFill", fill(button, g)},
        {"btnDefaultFill", fill(mix(button, accent, 0.16), g)},
        {"btnHoverFill", fill(mix(button, accent, 0.24), g)},
        {"btnPressed", css(mix(button, accent, 0.38))},
        {"btnDisabled", css(mix(button, window, 0.55))},
        {"fieldHoverBorder", css(mix(border, accent, 0.5))},
        {"fieldReadOnly", css(mix(mix(base, window, 0.6), border, 0.10))},
        {"fieldDisabled", css(mix(base, window, 0.8))},
        {"tabFill", fill(mix(button, window, 0.45), std::min(g, 1))},
        {"tabHover", fill(mix(button, accent, 0.15), std::min(g, 1))},
        {"headerFill", fill(button, std::min(g, 1))},
        {"grid", css(mix(border, base, 0.45))},
        {"groove", css(mix(window, base, 0.5))},
        {"handle", css(mix(border, button, 0.25))},
        {"handleHover", css(mix(border, accent, 0.5))},
        {"chunk", fill(chunk, std::min(g, 1))},
        {"radius", QString::number(t.radius)},
        {"padField", QString::number(2 + t.extraPad)},
        {"padButton", QString::number(4 + t.extraPad)},
        {"padMenu", QString::number(4 + t.extraPad)},
        {"comboHeight", QString::number(20 + 2 * t.extraPad)},
        {"radiusInner", QString::number(std::max(0, t.radius - 1))},
        {"radiusHandle", QString::number(std::min(t.radius, 4))},
        {"radiusCheck", QString::number(std::min(t.radius, 3))},
        {"indicatorBorder", css(mix(border, text, dark ? 0.25 : 0.15))},
        {"arrowDown", glyphFile(Glyph::Down, buttonText)},
        {"arrowUp", glyphFile(Glyph::Up, buttonText)},
        {"arrowDownDisabled", glyphFile(Glyph::Down, disabled)},
        {"arrowUpDisabled", glyphFile(Glyph::Up, disabled)},
        {"checkMark", glyphFile(Glyph::Check, hlText)},
        {"checkMarkDisabled", glyphFile(Glyph::Check, disabled)},
        {"partialMark", glyphFile(Glyph::Partial, hlText)},
        {"partialMarkDisabled", glyphFile(Glyph::Partial, disabled)},
        {"radioDot", glyphFile(Glyph::Dot, hl)},
        {"radioDotDisabled", glyphFile(Glyph::Dot, disabled)},
    };

    QString sheet = QString::fromUtf8(kSheetTemplate);
    for (const auto &[key, value] : vars)
        sheet.replace(QLatin1Char('@') + key + QLatin1Char('@'), value);
    Q_ASSERT(!sheet.contains(QLatin1Char('@')));
    return sheet;
}

QString g_active = kPlainName;
// The Fusion instance installed here; QPointer clears itself if someone else replaces the style.
QPointer<QStyle> g_fusion;

} // namespace

namespace Styles {

QStringList names()
{
    QStringList list{kPlainName};
    for (const Theme &t : kThemes)
        list << QString::fromLatin1(t.name);
    std::sort(list.begin(), list.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return list;
}

QString canonicalName(const QString &name)
{
    const QString &wanted = name;
    if (wanted.compare(kPlainName, Qt::CaseInsensitive) == 0)
        return kPlainName;
    for (const Theme &t : kThemes) {
        if (wanted.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(t.name);
    }
    return {};
}

bool apply(const QString &name)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    const QString canonical = canonicalName(name);
    if (!app || canonical.isEmpty())
        return false;
    // Replacing the QStyle deletes the old one, which is unsafe while a widget's handler is still running
    // (the login window switches styles from a combo box signal), so Fusion is installed only once.
    if (!g_fusion) {
        QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        if (!fusion)
            return false;
        QApplication::setStyle(fusion);
        g_fusion = fusion;
    }

    const Theme *theme = findTheme(canonical);
    const QPalette palette = theme ? makePalette(*theme) : g_fusion->standardPalette();
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
    app->setStyleSheet(theme ? makeSheet(*theme) : QString());
    g_active = canonical;
    return true;
}

QString activeName()
{
    return g_active;
}

} // namespace Styles
