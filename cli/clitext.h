#pragma once

#include <QCoreApplication>

// The command-line program's texts live in the context "Cli"; lupdate reads
// CliText::tr calls straight from the sources.
struct CliText
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};
