#include "font_panel.h"

#include "base/prompter.h"
#include "character_list.h"
#include "font/font_source.h"
#include "font/font_transfer.h"
#include "font/glyph_extract.h"
#include "font_trust_box.h"
#include "glyph_grid.h"
#include "link/device_address.h"
#include "link/link.h"
#include "panel_context.h"
#include "text/operator_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
constexpr int kRedrawDelayMs = 500;
} // namespace

FontPanel::FontPanel(PanelContext& context, QWidget* parent)
    : QWidget(parent), context_(context), document_(context.folder, context.prompter)
{
    setObjectName(QStringLiteral("fontPanel"));
    auto* layout = new QHBoxLayout(this);

    auto* listBox = new QGroupBox(Text::tr("字符列表"), this);
    auto* listLayout = new QVBoxLayout(listBox);
    list_ = new CharacterList(listBox);
    listLayout->addWidget(list_);
    listLayout->addStretch(1);
    layout->addWidget(listBox);
    // The trust box sits under the editor, where it shows without scrolling at the
    // smallest screen the window is made for.
    auto* middle = new QVBoxLayout;
    middle->addWidget(buildEditorColumn());
    trust_ = new FontTrustBox(this);
    middle->addWidget(trust_);
    middle->addStretch(1);
    layout->addLayout(middle);

    auto* right = new QVBoxLayout;
    captionLabel_ = new QLabel(this);
    captionLabel_->setObjectName(QStringLiteral("fontSourceLabel"));
    right->addWidget(captionLabel_);
    right->addWidget(buildExtractionBox());
    right->addWidget(buildFileBox());
    right->addStretch(1);
    layout->addLayout(right);
    layout->addStretch(1);

    redrawTimer_ = new QTimer(this);
    redrawTimer_->setSingleShot(true);
    redrawTimer_->setInterval(kRedrawDelayMs);
    connect(redrawTimer_, &QTimer::timeout, this, [this] {
        redrawAll();
        ready_ = true;
    });

    connect(list_, &CharacterList::characterClicked, this, &FontPanel::selectCharacter);
    connect(grid_, &GlyphGrid::cellPressed, this, [this](int cell) {
        editor_.press(cell);
        showEdit();
    });
    connect(grid_, &GlyphGrid::cellEntered, this, [this](int cell) {
        editor_.dragTo(cell);
        showEdit();
    });
    connect(grid_, &GlyphGrid::released, this, [this] { editor_.release(); });
    connect(trust_->compareButton(), &QPushButton::clicked, this, &FontPanel::verifyUnitFont);
    connect(trust_->resumeButton(), &QPushButton::clicked, this, [this] { writeFontFrom(trust_->resumeFrom()); });

}

QAction* FontPanel::historyAction(const QString& caption, const QKeySequence& keys, const QString& tip,
                                  bool (FontEditor::*op)())
{
    // One action serves both its button and its key, anywhere in the panel.
    auto* action = new QAction(caption, this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setToolTip(tip);
    connect(action, &QAction::triggered, this, [this, op] { editWith(op); });
    addAction(action);
    return action;
}

QPushButton* FontPanel::button(const QString& caption, QWidget* parent, void (FontPanel::*slot)())
{
    auto* b = new QPushButton(caption, parent);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

QWidget* FontPanel::buildEditorColumn()
{
    auto* box = new QGroupBox(Text::tr("字符编辑"), this);
    auto* layout = new QGridLayout(box);

    grid_ = new GlyphGrid(box);
    auto* up = new QPushButton(QStringLiteral("↑"), box);
    auto* down = new QPushButton(QStringLiteral("↓"), box);
    auto* left = new QPushButton(QStringLiteral("←"), box);
    auto* right = new QPushButton(QStringLiteral("→"), box);
    connect(up, &QPushButton::clicked, this, [this] { editWith(&FontEditor::shiftUp); });
    connect(down, &QPushButton::clicked, this, [this] { editWith(&FontEditor::shiftDown); });
    connect(left, &QPushButton::clicked, this, [this] { editWith(&FontEditor::shiftLeft); });
    connect(right, &QPushButton::clicked, this, [this] { editWith(&FontEditor::shiftRight); });
    layout->addWidget(up, 0, 1, Qt::AlignCenter);
    layout->addWidget(left, 1, 0, Qt::AlignVCenter);
    layout->addWidget(grid_, 1, 1, Qt::AlignCenter);
    layout->addWidget(right, 1, 2, Qt::AlignVCenter);
    layout->addWidget(down, 2, 1, Qt::AlignCenter);

    auto* tools = new QVBoxLayout;
    auto* outline = new QPushButton(Text::tr("< 描边    "), box);
    auto* unoutline = new QPushButton(Text::tr("< 取消描边"), box);
    auto* transparent = new QPushButton(Text::tr("< 背景透明"), box);
    auto* black = new QPushButton(Text::tr("< 背景黑色"), box);
    auto* white = new QPushButton(Text::tr("< 背景白色"), box);
    connect(outline, &QPushButton::clicked, this, [this] {
        editor_.outline();
        showEdit();
    });
    connect(unoutline, &QPushButton::clicked, this, [this] {
        editor_.removeOutline();
        showEdit();
    });
    const auto fillWith = [this](CellColour colour) {
        editor_.fill(colour);
        showEdit();
    };
    connect(transparent, &QPushButton::clicked, this, [fillWith] { fillWith(kTransparentCell); });
    connect(black, &QPushButton::clicked, this, [fillWith] { fillWith(kBlackCell); });
    connect(white, &QPushButton::clicked, this, [fillWith] { fillWith(kWhiteCell); });
    for (QPushButton* b : {outline, unoutline, transparent, black, white})
        tools->addWidget(b);
    tools->addWidget(button(Text::tr("< 取消编辑"), box, &FontPanel::cancelEditing));
    tools->addStretch(1);
    layout->addLayout(tools, 0, 3, 3, 1);

    auto* codeRow = new QHBoxLayout;
    codeBox_ = new QLineEdit(box);
    codeBox_->setObjectName(QStringLiteral("characterCodeBox"));
    codeBox_->setReadOnly(true);
    codeBox_->setMaximumWidth(60);
    codeRow->addWidget(codeBox_);
    codeRow->addWidget(new QLabel(Text::tr("← 字符在字库中的代码"), box));
    codeRow->addStretch(1);
    layout->addLayout(codeRow, 3, 0, 1, 4);

    auto* history = new QHBoxLayout;
    for (QAction* action :
         {historyAction(Text::tr("撤销"), QKeySequence::Undo, Text::tr("撤销上一步编辑（Ctrl+Z）"),
                        &FontEditor::undo),
          historyAction(Text::tr("重做"), QKeySequence(Qt::CTRL | Qt::Key_Y), Text::tr("重做（Ctrl+Y）"),
                        &FontEditor::redo)}) {
        auto* button = new QToolButton(box);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        history->addWidget(button);
    }
    history->addStretch(1);
    layout->addLayout(history, 4, 0, 1, 4);
    return box;
}

QWidget* FontPanel::buildExtractionBox()
{
    auto* box = new QGroupBox(Text::tr("从系统字体提取"), this);
    auto* form = new QGridLayout(box);
    familyBox_ = new QComboBox(box);
    familyBox_->setObjectName(QStringLiteral("extractFontBox"));
    familyBox_->setEditable(true);
    familyBox_->addItems(QFontDatabase::families());
    familyBox_->setCurrentText(QStringLiteral("Microsoft Sans Serif"));
    sizeBox_ = new QLineEdit(QStringLiteral("12"), box);
    sizeBox_->setObjectName(QStringLiteral("extractSizeBox"));
    boldBox_ = new QCheckBox(Text::tr("粗体"), box);
    textBox_ = new QPlainTextEdit(QStringLiteral("温"), box);
    textBox_->setObjectName(QStringLiteral("extractTextBox"));
    textBox_->setMaximumHeight(60);
    xOffsetBox_ = new QLineEdit(QStringLiteral("0"), box);
    xOffsetBox_->setObjectName(QStringLiteral("extractXOffsetBox"));
    yOffsetBox_ = new QLineEdit(QStringLiteral("0"), box);
    yOffsetBox_->setObjectName(QStringLiteral("extractYOffsetBox"));

    form->addWidget(new QLabel(Text::tr("字体："), box), 0, 0);
    form->addWidget(familyBox_, 0, 1, 1, 3);
    form->addWidget(new QLabel(Text::tr("大小："), box), 1, 0);
    form->addWidget(sizeBox_, 1, 1);
    form->addWidget(boldBox_, 1, 2);
    form->addWidget(new QLabel(Text::tr("要提取的字符"), box), 2, 0);
    form->addWidget(textBox_, 2, 1, 1, 3);
    form->addWidget(new QLabel(Text::tr("水平偏移："), box), 3, 0);
    form->addWidget(xOffsetBox_, 3, 1);
    form->addWidget(new QLabel(Text::tr("垂直偏移："), box), 3, 2);
    form->addWidget(yOffsetBox_, 3, 3);
    form->addWidget(button(Text::tr("字符点阵提取"), box, &FontPanel::extract), 4, 0, 1, 4);

    connect(sizeBox_, &QLineEdit::textChanged, this, &FontPanel::checkSizeBox);
    connect(xOffsetBox_, &QLineEdit::textChanged, this, [this] { checkOffsetBox(xOffsetBox_); });
    connect(yOffsetBox_, &QLineEdit::textChanged, this, [this] { checkOffsetBox(yOffsetBox_); });
    return box;
}

QWidget* FontPanel::buildFileBox()
{
    auto* box = new QGroupBox(Text::tr("字库"), this);
    auto* layout = new QGridLayout(box);
    auto* openLocal = new QPushButton(Text::tr("打开本地字库数据"), box);
    auto* openOverlay = new QPushButton(Text::tr("打开叠加器字库数据"), box);
    connect(openLocal, &QPushButton::clicked, this, [this] { openFontFile(kLocalFontFile, kLocalFontCaption); });
    connect(openOverlay, &QPushButton::clicked, this,
            [this] { openFontFile(kOverlayFontFile, kOverlayFontCaption); });
    auto* save = new QPushButton(Text::tr("保存字库到电脑"), box);
    connect(save, &QPushButton::clicked, this, [this] { saveFont(); });

    layout->addWidget(openLocal, 0, 0);
    layout->addWidget(openOverlay, 0, 1);
    layout->addWidget(save, 1, 0);
    layout->addWidget(button(Text::tr("保存并下载当前编辑字符"), box, &FontPanel::saveAndWriteCharacter), 1, 1);
    layout->addWidget(button(Text::tr("把当前字库写入叠加器"), box, &FontPanel::writeWholeFont), 2, 0);
    layout->addWidget(button(Text::tr("读取叠加器字库数据"), box, &FontPanel::readWholeFont), 2, 1);
    layout->addWidget(button(Text::tr("下载字库"), box, &FontPanel::startFontDownload), 3, 0);
    layout->addWidget(button(Text::tr("字库生成C文件"), box, &FontPanel::exportC), 3, 1);
    layout->addWidget(button(Text::tr("导入字库文件…"), box, &FontPanel::importFont), 4, 0);
    layout->addWidget(button(Text::tr("导出字库文件…"), box, &FontPanel::exportFont), 4, 1);
    separatedBox_ = new QCheckBox(Text::tr("PNG 字符间加分隔线"), box);
    layout->addWidget(separatedBox_, 5, 0, 1, 2);
    return box;
}

void FontPanel::loadStartupFont(const QString& shippedDefault)
{
    document_.openStartup(shippedDefault);
    showCaption();
    // The first redraw also sets the ready flag, with or without a font.
    redrawTimer_->start();
}

QString FontPanel::caption() const
{
    return captionLabel_->text();
}

void FontPanel::showCaption()
{
    // The caption is kept in selectZK as it reads in Chinese; the four of the program are
    // shown in the operator's language, a file's own name as it is.
    captionLabel_->setText(Text::tr(document_.caption().toUtf8().constData()));
    trust_->showTableFingerprint(document_.table());
}

void FontPanel::showEdit()
{
    grid_->showGrid(editor_.grid());
    codeBox_->setText(editor_.code() ? QString::number(*editor_.code()) : QString());
}

void FontPanel::showAgain(std::optional<int> code)
{
    if (code)
        list_->drawThumbnail(*code, document_.table().record(*code));
    list_->setHiddenCode(std::nullopt);
}

void FontPanel::redrawAll()
{
    for (int code = 0; code < kGlyphCount; ++code)
        list_->drawThumbnail(code, document_.table().record(code));
    trust_->showTableFingerprint(document_.table());
}

void FontPanel::armRedraw()
{
    redrawTimer_->start();
}

void FontPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (document_.loaded())
        armRedraw();
}

void FontPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    armRedraw();
}

void FontPanel::selectCharacter(int code)
{
    showAgain(editor_.select(code, document_.table()));
    list_->setHiddenCode(code);
    showEdit();
}

void FontPanel::cancelEditing()
{
    showAgain(editor_.cancel());
    showEdit();
}

void FontPanel::editWith(bool (FontEditor::*op)())
{
    if ((editor_.*op)())
        showEdit();
}

void FontPanel::openFontFile(const QString& file, const QString& caption)
{
    cancelEditing();
    if (!document_.open(file, caption))
        return;
    redrawAll();
    showCaption();
}

bool FontPanel::saveFont()
{
    const auto code = editor_.code();
    if (!code) {
        context_.prompter.message(Text::tr("当前无编辑字符或图形"));
        return false;
    }
    const QByteArray record = editor_.pack();
    document_.setRecord(*code, record);
    const bool saved = document_.save();
    showCaption();
    list_->drawThumbnail(*code, record);
    list_->setHiddenCode(std::nullopt);
    return saved;
}

std::optional<quint8> FontPanel::deviceAddress()
{
    return DeviceAddressByte(context_.deviceAddress(), context_.prompter).value();
}

void FontPanel::saveAndWriteCharacter()
{
    if (!saveFont())
        return;
    const auto address = deviceAddress();
    if (!address)
        return;
    const int code = *editor_.code();
    context_.startOperation([table = document_.table(), code, address = *address](const Operands& op) {
        WriteOneCharacter(table, code, address, op.link, op.prompter);
    });
}

void FontPanel::writeWholeFont()
{
    writeFontFrom(0);
}

void FontPanel::writeFontFrom(int from)
{
    const auto address = deviceAddress();
    if (!address)
        return;
    const FontWriteOptions options{from, trust_->retries(), trust_->verifiesAfterWrite()};
    context_.startOperation<FontWriteOutcome>(
        [table = document_.table(), address = *address, options](const Operands& op) {
            return WriteWholeFont(table, address, op.link, op.prompter, options);
        },
        [this](FontWriteOutcome outcome) {
            trust_->offerResume(outcome.stoppedAt);
            redrawAll();
        });
}

void FontPanel::verifyUnitFont()
{
    const auto address = deviceAddress();
    if (!address)
        return;
    context_.startOperation([table = document_.table(), address = *address, retries = trust_->retries()](
                                const Operands& op) { VerifyFont(table, address, op.link, op.prompter, retries); });
}

void FontPanel::readWholeFont()
{
    cancelEditing();
    const auto address = deviceAddress();
    if (!address)
        return;
    context_.startOperation<FontReadOutcome>(
        [address = *address, retries = trust_->retries()](const Operands& op) {
            return ReadWholeFont(address, op.link, op.prompter, retries);
        },
        [this](FontReadOutcome read) {
            if (!read.font)
                return;
            trust_->showUnitFingerprint(*read.font);
            document_.takeUnitFont(*read.font);
            editor_.cancel();
            redrawAll();
            showCaption();
        });
}

void FontPanel::startFontDownload()
{
    if (ChooseFontDownloadFile(context_.prompter).isEmpty())
        return;
    context_.startOperation([](const Operands& op) { StartFontDownload(op.link, op.prompter); });
}

void FontPanel::exportC()
{
    document_.exportC();
}

void FontPanel::importFont()
{
    const QString path =
        context_.prompter.chooseOpenFile(Text::tr("导入字库文件"), Text::tr("字库文件 (*.bin *.mcm *.png)"));
    if (path.isEmpty())
        return;
    if (!document_.importFile(path).done())
        return;
    cancelEditing();
    redrawAll();
}

void FontPanel::exportFont()
{
    const QString path = context_.prompter.chooseSaveFile(
        Text::tr("导出字库文件"),
        Text::tr("MAX7456 字库 (*.mcm);;PNG 字库图 (*.png);;字库文件 (*.bin)"), QStringLiteral("font.mcm"));
    if (path.isEmpty())
        return;
    document_.exportFile(path, separatedBox_->isChecked() ? PngLayout::Separated : PngLayout::Plain);
}

void FontPanel::extract()
{
    if (!editor_.code()) {
        context_.prompter.message(Text::tr("先点击左侧列表框要更改的字符"));
        return;
    }
    GlyphExtraction input;
    input.family = familyBox_->currentText();
    input.pixelSize = qRound(sizeBox_->text().toDouble());
    input.bold = boldBox_->isChecked();
    input.text = textBox_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    input.xOffset = xOffsetBox_->text().toInt();
    input.yOffset = yOffsetBox_->text().toInt();
    editor_.extract(ExtractGlyph(input));
    showEdit();
}

void FontPanel::checkSizeBox()
{
    if (const BoxVerdict verdict = CheckGlyphSizeBox(sizeBox_->text()); !verdict.ok()) {
        context_.prompter.message(verdict.message);
        sizeBox_->setText(verdict.resetTo);
    }
}

void FontPanel::checkOffsetBox(QLineEdit* box)
{
    const QString cleaned = WithoutSpaces(box->text());
    if (cleaned != box->text()) {
        box->setText(cleaned);
        return; // the change re-enters with the cleaned text
    }
    if (const BoxVerdict verdict = CheckOffsetBox(cleaned); !verdict.ok()) {
        context_.prompter.error(verdict.message);
        box->setText(verdict.resetTo);
    }
}

} // namespace kv::ui
