// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarGDB.h"

#include "tibasic/Tokenizer.h"
#include "tibasic/ui/TokenEncoding.h"
#include "vareditors/TokenBody.h"
#include "vareditors/ui/EquationGrid.h"
#include "vareditors/ui/GdbFormatMenu.h"
#include "vareditors/ui/GdbStyleGrid.h"
#include "vareditors/ui/NumberEntry.h"
#include "vareditors/ui/NumberGrid.h"
#include "varfile/RealText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

using vardata::GraphType;

const uibase::VarEditorTexts kGdbTexts{QStringLiteral("Graph Database"),
                                       QStringLiteral("Graph Database"), QLatin1Char('d'),
                                       QStringLiteral("GDB")};

constexpr int kLabelColumn = 0;
constexpr int kValueColumn = 1;

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<std::string> EquationLabels(varfile::CalcModel model, GraphType type)
{
    std::vector<std::string> labels;
    for (std::size_t row = 0; row < vardata::EquationCount(model, type); ++row) {
        labels.push_back(vardata::EquationLabel(model, type, row));
    }
    return labels;
}

// A parametric style serves an X/Y pair: "X1T Y1T".
std::vector<std::string> StyleLabels(varfile::CalcModel model, GraphType type)
{
    std::vector<std::string> labels;
    for (std::size_t style = 0; style < vardata::StyleCount(model, type); ++style) {
        const std::size_t first = vardata::StyleEquation(type, style);
        std::string label = vardata::EquationLabel(model, type, first);
        if (type == GraphType::Parametric) {
            label += " " + vardata::EquationLabel(model, type, first + 1);
        }
        labels.push_back(label);
    }
    return labels;
}

NumberGrid *NewWindowGrid(QWidget *parent)
{
    auto *grid = new NumberGrid(parent);
    grid->setColumnCount(2);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(kLabelColumn, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::Stretch);
    grid->verticalHeader()->setDefaultSectionSize(20);
    return grid;
}

} // namespace

TfrmVarGDB::TfrmVarGDB(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kGdbTexts, parent), name_(new QComboBox(this)),
      type_(new QComboBox(this)), format_(new QPushButton(QStringLiteral("Format Settings"), this)),
      formatMenu_(new GdbFormatMenu(format_)),
      keypad_(new QPushButton(QStringLiteral("Show Keypad"), this)), tabs_(new QTabWidget(this)),
      equationPages_(new QStackedWidget(this)), windowPages_(new QStackedWidget(this)),
      stylePages_(new QStackedWidget(this))
{
    for (const GraphType type : vardata::kGraphTypes) {
        type_->addItem(Latin1(vardata::GraphTypeName(type)));
    }
    format_->setMenu(formatMenu_);
    keypad_->setToolTip(QStringLiteral("Show Keypad"));
    keypad_->setStatusTip(QStringLiteral("Display the calculator keypad."));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Name:"), this));
    top->addWidget(name_);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("Type:"), this));
    top->addWidget(type_);
    top->addStretch();
    top->addWidget(format_);
    top->addWidget(keypad_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildPages());
    resize(460, 400);

    modelChanged();
    markModifiedOn(name_, &QComboBox::currentIndexChanged);
    markModifiedOn(type_, &QComboBox::currentIndexChanged);
    markModifiedOn(formatMenu_, &GdbFormatMenu::formatChosen);
    connect(type_, &QComboBox::currentIndexChanged, this, &TfrmVarGDB::showType);
    connect(keypad_, &QPushButton::clicked, this, [this] { frame_.showKeypad(model()); });
}

QWidget *TfrmVarGDB::buildPages()
{
    for (const GraphType type : vardata::kGraphTypes) {
        auto *equations = new EquationGrid(equationPages_);
        auto *window = NewWindowGrid(windowPages_);
        auto *styles = new GdbStyleGrid(stylePages_);
        equationPages_->addWidget(equations);
        windowPages_->addWidget(window);
        stylePages_->addWidget(styles);
        markModifiedOn(equations, &EquationGrid::edited);
        markModifiedOn(window, &QTableWidget::itemChanged);
        markModifiedOn(styles, &GdbStyleGrid::styleChosen);
        equations_[Page(type)] = equations;
        windows_[Page(type)] = window;
        styles_[Page(type)] = styles;
    }
    tabs_->addTab(equationPages_, QStringLiteral("Functions"));
    tabs_->addTab(windowPages_, QStringLiteral("Window Settings"));
    tabs_->addTab(stylePages_, QStringLiteral("Graph Styles"));
    return tabs_;
}

varfile::CalcModel TfrmVarGDB::model() const
{
    return IsTI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
}

GraphType TfrmVarGDB::graphType() const
{
    return vardata::kGraphTypes.at(static_cast<std::size_t>(std::max(type_->currentIndex(), 0)));
}

void TfrmVarGDB::modelChanged()
{
    resetForModel();
}

void TfrmVarGDB::resetForModel()
{
    {
        const QSignalBlocker quiet(name_);
        name_->clear();
        for (int index = 0; index < vardata::GdbNameCount(model()); ++index) {
            name_->addItem(QString::fromStdString(vardata::GdbNameLabel(index)));
        }
    }
    for (const GraphType type : vardata::kGraphTypes) {
        showGdb(vardata::NewGdb(model(), type));
    }
    formatMenu_->setModel(model());
    formatMenu_->setFormat(vardata::InitialFormat());
    const int stylesTab = tabs_->indexOf(stylePages_);
    if (IsTI82 && stylesTab >= 0) {
        tabs_->removeTab(stylesTab);
    } else if (!IsTI82 && stylesTab < 0) {
        tabs_->addTab(stylePages_, QStringLiteral("Graph Styles"));
    }
    {
        const QSignalBlocker quiet(type_);
        type_->setCurrentIndex(0);
    }
    showType();
}

void TfrmVarGDB::showGdb(const vardata::GdbVariable &gdb)
{
    EquationGrid *equations = equations_[Page(gdb.type)];
    equations->setRows(gdb.model, EquationLabels(gdb.model, gdb.type));
    for (std::size_t row = 0; row < gdb.equations.size(); ++row) {
        equations->setEquation(static_cast<int>(row),
                               tibasic::DecodeTokens(gdb.model, gdb.equations[row].tokens),
                               gdb.equations[row].flag);
    }
    NumberGrid *window = windows_[Page(gdb.type)];
    window->setRowCount(static_cast<int>(gdb.window.size()));
    for (std::size_t row = 0; row < gdb.window.size(); ++row) {
        const int at = static_cast<int>(row);
        const vardata::SettingValue &value = gdb.window[row];
        window->setCellText(
            at, kLabelColumn,
            QString::fromStdString(vardata::WindowRowLabel(gdb.model, gdb.type, row)), false);
        window->setCellText(at, kValueColumn,
                            value.defined ? FormatNumber(value.value) : QString());
    }
    window->setCurrentCell(0, kValueColumn);
    styles_[Page(gdb.type)]->setStyles(StyleLabels(gdb.model, gdb.type), gdb.styles);
}

void TfrmVarGDB::showType()
{
    const auto page = static_cast<int>(Page(graphType()));
    equationPages_->setCurrentIndex(page);
    windowPages_->setCurrentIndex(page);
    stylePages_->setCurrentIndex(page);
    formatMenu_->setGraphType(graphType());
}

void TfrmVarGDB::insertTokenText(std::string_view eightBit)
{
    EquationGrid *grid = equations_[Page(graphType())];
    tabs_->setCurrentWidget(equationPages_);
    grid->equationBox(grid->lastFocusedRow())->insertTokenText(eightBit);
}

bool TfrmVarGDB::LoadFile(const QString &fileName)
{
    irreversible_.forget();
    if (!VarEditorWindow::LoadFile(fileName)) {
        return false;
    }
    irreversible_.tellUser(FileName);
    return true;
}

bool TfrmVarGDB::SaveFile()
{
    if (!irreversible_.allowSave(FileName.isEmpty() ? windowTitle() : FileName) ||
        !VarEditorWindow::SaveFile()) {
        return false;
    }
    irreversible_.forget();
    return true;
}

bool TfrmVarGDB::loadBytes(varfile::ByteView file)
{
    const vardata::LoadedGdb loaded = vardata::LoadGdbFile(file);
    const vardata::GdbVariable &gdb = loaded.variable;
    IsTI82 = gdb.model == varfile::CalcModel::TI82;
    resetForModel();
    name_->setCurrentIndex(gdb.nameIndex);
    type_->setCurrentIndex(static_cast<int>(Page(gdb.type)));
    formatMenu_->setFormat(gdb.format);
    showGdb(gdb);
    // The user hears about the first equation a save would change.
    for (std::size_t row = 0; row < loaded.tokenOffsets.size() && !irreversible_.armed(); ++row) {
        irreversible_.check(model(), gdb.equations[row].tokens, loaded.tokenOffsets[row]);
    }
    return loaded.complete;
}

QString TfrmVarGDB::readErrorMessage() const
{
    return Latin1(vardata::kGdbReadError);
}

bool TfrmVarGDB::takeWindow(vardata::GdbVariable &gdb)
{
    NumberGrid *grid = windows_[Page(gdb.type)];
    grid->commitEdit();
    for (std::size_t row = 0; row < gdb.window.size(); ++row) {
        const int at = static_cast<int>(row);
        const auto value = vardata::ParseWindowEntry(
            gdb.model, gdb.type, row, grid->cellText(at, kValueColumn).toStdString());
        if (!value) {
            tabs_->setCurrentWidget(windowPages_);
            grid->setCurrentCell(at, kValueColumn);
            showError(QString::fromStdString(vardata::WindowRowLabel(gdb.model, gdb.type, row)) +
                      QStringLiteral(": ") + QString::fromLatin1(varfile::kInvalidRealMessage));
            return false;
        }
        gdb.window[row] = *value;
    }
    return true;
}

bool TfrmVarGDB::takeEquations(vardata::GdbVariable &gdb)
{
    EquationGrid *grid = equations_[Page(gdb.type)];
    for (std::size_t row = 0; row < gdb.equations.size(); ++row) {
        const int at = static_cast<int>(row);
        EquationBox *box = grid->equationBox(at);
        const tibasic::ui::EncodedTokenText encoded =
            tibasic::ui::EncodeTokenText(gdb.model, box->eightBitText(), nullptr);
        if (!encoded.tokens) {
            tabs_->setCurrentWidget(equationPages_);
            box->setFocus();
            box->placeCaret(encoded.failedEditorOffset);
            showError(Latin1(vardata::kInvalidTokenFound));
            return false;
        }
        gdb.equations[row] = {grid->flag(at), *encoded.tokens};
    }
    return true;
}

std::optional<varfile::Bytes> TfrmVarGDB::buildFile()
{
    vardata::GdbVariable gdb = vardata::NewGdb(model(), graphType());
    gdb.nameIndex = name_->currentIndex();
    gdb.format = formatMenu_->format();
    if (!takeWindow(gdb) || !takeEquations(gdb)) {
        return std::nullopt;
    }
    gdb.styles = styles_[Page(gdb.type)]->styles();
    auto build = vardata::BuildGdbFile(gdb);
    if (!build.ok()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
