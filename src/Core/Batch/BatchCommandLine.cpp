#include "Core/Batch/BatchCommandLine.h"

#include <QCommandLineParser>

namespace Core::Batch {

BatchCommandLine BatchCommandLine::parse(const QStringList &arguments)
{
    BatchCommandLine line;
    QCommandLineParser parser;
    const QCommandLineOption document(QStringLiteral("document"), QString(), QStringLiteral("IN.cfb"));
    const QCommandLineOption threads(QStringLiteral("threads"), QString(), QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("N"));
    const QCommandLineOption exportData(QStringLiteral("export-data"), QString(), QStringLiteral("OUT.csv"));
    const QCommandLineOption dataField(QStringLiteral("data-field"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({document, threads, seed, exportData, dataField, help});
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
    if (parser.isSet(seed)) {
        bool ok = false;
        line.seed = parser.value(seed).toULongLong(&ok);
        if (!ok) {
            line.error =
                QStringLiteral("--seed needs a whole number from 0 to 18446744073709551615, not \"%1\".")
                    .arg(parser.value(seed));
            return line;
        }
    }
    line.exportDataPath = parser.value(exportData);
    line.dataField = parser.value(dataField);
    if (parser.isSet(dataField) && line.exportDataPath.isEmpty()) {
        line.error =
            QStringLiteral("--data-field names the field --export-data writes; give --export-data too.");
        return line;
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
        "Usage: cellfab-batch [--document IN.cfb] [--threads N] [--seed N]\n"
        "                     [--export-data OUT.csv [--data-field NAME]] [--vtk OUT.vti]\n"
        "                     [--stl OUT.stl] [--vtp OUT.vtp] [--netlist OUT.cir] LIST.plst OUT.cfb\n"
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
        "  --seed N            seed the random-walk doping steps with N (the first such step; each\n"
        "                      further one with the next number), so a run can be repeated exactly;\n"
        "                      the result does not depend on --threads. Without it they are seeded\n"
        "                      from the clock.\n"
        "  --export-data OUT.csv\n"
        "                      after the run, also write a particle-count field of the last cell\n"
        "                      volume as text (as File > Export Data does)\n"
        "  --data-field NAME   the field to write, \"Random Walk Particle Count Type N\" or \"... Type P\"\n"
        "                      (default: the first of them the volume carries)\n"
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
        "document or an output file could not be written (each failure names its file), or the\n"
        "volume has no particle counts to export.\n");
}

} // namespace Core::Batch
