#include "Core/Batch/BatchCommandLine.h"

#include <QCommandLineParser>

namespace Core::Batch {

BatchCommandLine BatchCommandLine::parse(const QStringList &arguments)
{
    BatchCommandLine line;
    QCommandLineParser parser;
    const QCommandLineOption document(QStringLiteral("document"), QString(), QStringLiteral("IN.cfb"));
    const QCommandLineOption threads(QStringLiteral("threads"), QString(), QStringLiteral("N"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(document);
    parser.addOption(threads);
    parser.addOption(help);
    NetlistOutput::addOption(parser);
    GeometryOutputs::addOptions(parser);
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (parser.isSet(help)) {
        line.helpRequested = true;
        return line;
    }
    line.documentPath = parser.value(document);
    line.geometry = GeometryOutputs::read(parser, line.error);
    line.netlist = NetlistOutput::read(parser, line.error);
    if (!line.error.isEmpty())
        return line;
    if (parser.isSet(threads)) {
        bool ok = false;
        line.threads = parser.value(threads).toInt(&ok);
        if (!ok || line.threads < 1 || line.threads > 1024) {
            line.error = QStringLiteral("--threads needs a whole number from 1 to 1024, not \"%1\".")
                             .arg(parser.value(threads));
            return line;
        }
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        line.error = QStringLiteral("Expected a process list and an output document, got %1 file name(s).")
                         .arg(positional.size());
        return line;
    }
    line.listPath = positional[0];
    line.outputPath = positional[1];
    return line;
}

QString BatchCommandLine::helpText()
{
    return QStringLiteral(
        "Usage: cellfab-batch [--document IN.cfb] [--threads N] [--vtk OUT.vti] [--stl OUT.stl]\n"
        "                     [--vtp OUT.vtp] [--netlist OUT.cir] LIST.plst OUT.cfb\n"
        "\n"
        "Runs a process list without the desktop program, exactly as the Batch Run dialog runs it,\n"
        "and writes the resulting scene as a document.\n"
        "\n"
        "Arguments:\n"
        "  LIST.plst           the process list to run (as saved by the Batch Run dialog)\n"
        "  OUT.cfb             the document to write; it is written even when a step fails, with\n"
        "                      the steps before the failing one applied\n"
        "\n"
        "Options:\n"
        "  --document IN.cfb   start from this document; its last cell volume is the one the steps\n"
        "                      work on. Without it the scene starts empty, and the list must begin\n"
        "                      with a Create Substrate step.\n"
        "  --threads N         threads the simulation engines use (default: one per processor)\n"
        "  --netlist OUT.cir   after the run, extract the cantilevers of the last cell volume and\n"
        "                      write their netlist (a volume without a free cantilever end writes\n"
        "                      no file: \"No model data was extracted.\", exit status 4)\n"
        "  --vtk OUT.vti       after the run, write the last cell volume's cells as VTK ImageData\n"
        "                      (cell arrays \"material\" and one per particle-count field)\n"
        "  --stl OUT.stl       after the run, write the last cell volume's surface as binary STL\n"
        "  --vtp OUT.vtp       after the run, write the last cell volume's surface as VTK PolyData\n"
        "                      with a \"material\" array per triangle (these three files are\n"
        "                      written after OUT.cfb, also when a step failed)\n"
        "  -h, --help          show this help\n"
        "\n"
        "Each step prints one line: its position, its name, its result and how long it took.\n"
        "Save Image steps need an OpenGL display (run under xvfb-run, for example); without one\n"
        "they print a warning and the run goes on.\n"
        "The materials catalogue is read from the settings folder ~/Cellfab, which is created with\n"
        "the built-in materials when missing, as the desktop program does.\n"
        "Debug messages are hidden; QT_LOGGING_RULES=\"*.debug=true\" shows them.\n"
        "\n"
        "Exit status: 0 every step ran; 1 a step failed, or no cell volume was there to work on;\n"
        "2 unusable arguments; 3 the document or the process list could not be read; 4 the output\n"
        "document or an output file could not be written (each failure names its file).\n");
}

} // namespace Core::Batch
