#pragma once

namespace kora::gui {

// The items of the main window's menus and toolbar, numbered as their control arrays (the
// separators keep their numbers in between): the menu table names each item's control with its
// number, and the handlers switch on them.
enum class FileItem {
    New = 0,
    Open = 1,
    Save = 2,
    SaveAs = 3,
    PrinterSetup = 5,
    Print = 6,
    PrintPreview = 7,
    ViewSourceFiles = 9,
    Exit = 11,
    // "Export PDF..." sits among the print items but is no member of the numbered array (its
    // control is mnuFileExportPdf), so it takes a number after the array's last.
    ExportPdf = 12,
};

// The Input menu.
enum class EditItem { Description = 0, Parameters = 1 };

// The Output menu; its calculation items carry the numbers of their output commands.
enum class CalcItem {
    StandardGeometry = 0,
    AdvancedGeometry = 1,
    SizePillars = 3,
    GraphClassic = 5,
    GraphRevised = 6,
};

// The items of the two Graph submenus: the quantity the stability factors are charted against,
// numbered as the chart sweep's graph kinds.
enum class GraphItem { EntryHeight = 0, DepthOfCover = 1, PanelWidth = 2, CrosscutSpacing = 3 };

// The Utilities menu.
enum class UtilItem {
    Settings = 0,
    Options = 1,
    UnitConversion = 2,
    FileConversion = 3,
    ClearHistory = 5,
    CloseHistory = 6,
    CopyHistory = 7,
};

// The toolbar's buttons, from the left.
enum class ToolbarButton { Open = 1, Save = 2, Print = 3, Description = 4, Parameters = 5 };

} // namespace kora::gui
