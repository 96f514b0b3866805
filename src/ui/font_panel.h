#pragma once

#include "font/font_document.h"
#include "font/font_editor.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QAction;
class QKeySequence;
class QPushButton;
class QTimer;

namespace kv::ui {

class CharacterList;
class FontTrustBox;
class GlyphGrid;
struct PanelContext;

// "字库编辑": the font document with its character list, the editor grid and its
// tools, the extraction from a system font, the font files, interchange and the
// transfer to and from the unit.
class FontPanel : public QWidget {
    Q_OBJECT
public:
    explicit FontPanel(PanelContext& context, QWidget* parent = nullptr);

    // The start-up step "font table from the remembered font file".
    void loadStartupFont(const QString& shippedDefault);

    const FontTable& table() const { return document_.table(); }
    const FontEditor& editor() const { return editor_; }
    // The caption as the font-source label shows it.
    QString caption() const;
    bool fontLoaded() const { return document_.loaded(); }
    // Set after the first thumbnail redraw; the video-mode selector waits for it.
    bool ready() const { return ready_; }
    CharacterList* characterList() const { return list_; }
    GlyphGrid* glyphGrid() const { return grid_; }
    QLineEdit* codeBox() const { return codeBox_; }
    FontTrustBox* trustBox() const { return trust_; }
    QTimer* redrawTimer() const { return redrawTimer_; }

    // Redraws every thumbnail of the character list a moment later, once.
    void armRedraw();

    // The operations behind the buttons.
    void selectCharacter(int code);
    void cancelEditing();
    void openFontFile(const QString& file, const QString& caption);
    bool saveFont();
    void saveAndWriteCharacter();
    void writeWholeFont();
    // A whole-font write from this code on, with the trust box's retries and read-back.
    void writeFontFrom(int from);
    // "校验叠加器字库": the unit's font read and compared with the open table.
    void verifyUnitFont();
    void readWholeFont();
    void startFontDownload();
    void exportC();
    void importFont();
    void exportFont();
    void extract();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildEditorColumn();
    QWidget* buildExtractionBox();
    QWidget* buildFileBox();
    QPushButton* button(const QString& caption, QWidget* parent, void (FontPanel::*slot)());
    QAction* historyAction(const QString& caption, const QKeySequence& keys, const QString& tip,
                           bool (FontEditor::*op)());
    void showEdit();
    void showCaption();
    void showAgain(std::optional<int> code);
    void redrawAll();
    void editWith(bool (FontEditor::*op)());
    std::optional<quint8> deviceAddress();
    void checkSizeBox();
    void checkOffsetBox(QLineEdit* box);

    PanelContext& context_;
    FontDocument document_;
    FontEditor editor_;
    bool ready_ = false;

    CharacterList* list_ = nullptr;
    GlyphGrid* grid_ = nullptr;
    QLineEdit* codeBox_ = nullptr;
    QLabel* captionLabel_ = nullptr;
    QComboBox* familyBox_ = nullptr;
    QLineEdit* sizeBox_ = nullptr;
    QCheckBox* boldBox_ = nullptr;
    QPlainTextEdit* textBox_ = nullptr;
    QLineEdit* xOffsetBox_ = nullptr;
    QLineEdit* yOffsetBox_ = nullptr;
    QCheckBox* separatedBox_ = nullptr;
    QTimer* redrawTimer_ = nullptr;
    FontTrustBox* trust_ = nullptr;
};

} // namespace kv::ui
