#include "forms/print/JobPrinter.h"

#include <QPrinter>

JobPrinter JobPrinter::Of(const QPrinter& printer)
{
    return {printer.printerName(), printer.pageLayout().paintRectPixels(printer.resolution()).size()};
}
