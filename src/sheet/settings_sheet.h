#pragma once

#include "plot/graph_content.h"

#include <string>
#include <vector>

namespace quorvex {

class Program;

/// One table of the settings sheet: a heading, the column titles and the rows, every cell
/// already the text a window shows for it (UTF-8).
struct SheetTable {
    std::string Heading;
    std::vector<std::string> Columns;
    std::vector<std::vector<std::string>> Rows;
};

/// What a sound engineer files with the rig: the tables of every setting, then the
/// equaliser, crossover and final-response plots.
struct SettingsSheet {
    std::string Title;
    std::vector<SheetTable> Tables;
    std::vector<GraphContent> Graphs;
};

/// The sheet of the program's configuration as it stands: system information, names and
/// routes, per output the level, polarity, mute, delay (samples, ms and cm at the
/// configuration's temperature), crossover edges, measurement file and equaliser bands,
/// the three dynamics blocks, and the plots as the editors' models hold them now.
SettingsSheet ComposeSettingsSheet(Program& program);

} // namespace quorvex
