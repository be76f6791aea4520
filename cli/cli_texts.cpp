#include "cli_texts.h"

namespace votrana {

const CliTexts& cliTextsFor(bool japanese)
{
    static const CliTexts english{
        .usage = "Usage: votrana code FILE... [--key KEYFILE]\n"
                 "       votrana decode FILE... [--key KEYFILE]\n"
                 "       votrana --help | --version\n"
                 "\n"
                 "code    codes each FILE into a coded file beside it (report.txt gives report_txt.___)\n"
                 "        with a new key file beside that (report_txt.KEY), or with KEYFILE.\n"
                 "decode  decodes each coded FILE beside it (report_txt.___ gives report.txt) with the\n"
                 "        key file beside it (report_txt.KEY), or with KEYFILE.\n"
                 "FILE -  codes or decodes standard input to standard output, with --key KEYFILE, which\n"
                 "        code makes when it does not exist. -f, --force: even when that is a terminal.\n"
                 "\n"
                 "Exit status: 0 when every FILE was done, 1 when any was not, 2 for a wrong command line,\n"
                 "128+N when signal N stopped it. More in the manual page: man votrana\n",
        .tryHelp = "Try 'votrana --help'.",
        .noCommand = "no command given",
        .unknownCommand = "unknown command: ",
        .unknownOption = "unknown option: ",
        .noFile = "no FILE given",
        .keyWithoutFile = "--key needs a KEYFILE",
        .keyTwice = "--key given more than once",
        .standardStreamsWithoutKey = "FILE - needs --key KEYFILE",
        .standardStreamsTwice = "FILE - given more than once",
        .notToTerminal = "coded or decoded bytes are not written to a terminal; --force writes them there",
        .keyFileMade = "Following key file has been created;\n  ",
        .coding = "coding",
        .decompressing = "decompressing",
        .decoding = "decoding",
    };
    static const CliTexts japanese_{
        .usage = "使い方: votrana code FILE... [--key KEYFILE]\n"
                 "        votrana decode FILE... [--key KEYFILE]\n"
                 "        votrana --help | --version\n"
                 "\n"
                 "code    各 FILE を暗号化し、同じディレクトリに暗号化ファイル (report.txt から report_txt.___)\n"
                 "        と新しいキー・ファイル (report_txt.KEY) を作成します. KEYFILE があればそれを使います.\n"
                 "decode  各暗号化ファイル FILE を同じディレクトリのキー・ファイル (report_txt.KEY)、\n"
                 "        または KEYFILE で復号化します (report_txt.___ から report.txt).\n"
                 "FILE -  標準入力を暗号化・復号化して標準出力に書き出します. --key KEYFILE が必要で、\n"
                 "        code は KEYFILE が無ければ新しく作ります. -f, --force: 端末にも出力します.\n"
                 "\n"
                 "終了ステータス: すべての FILE が完了すれば 0、そうでなければ 1、コマンド・ラインの誤りは 2、\n"
                 "シグナル N で止めたときは 128+N. 詳しくはマニュアル・ページ (man votrana) を参照してください.\n",
        .tryHelp = "'votrana --help' を参照してください.",
        .noCommand = "コマンドがありません.",
        .unknownCommand = "不明なコマンド: ",
        .unknownOption = "不明なオプション: ",
        .noFile = "FILE がありません.",
        .keyWithoutFile = "--key に KEYFILE がありません.",
        .keyTwice = "--key が二つ以上あります.",
        .standardStreamsWithoutKey = "FILE - には --key KEYFILE が必要です.",
        .standardStreamsTwice = "FILE - が二つ以上あります.",
        .notToTerminal = "暗号化・復号化したデータは端末に出力しません. 出力するには --force を指定してください.",
        .keyFileMade = "下記のキー・ファイルが作成されました;\n  ",
        .coding = "暗号化",
        .decompressing = "展開",
        .decoding = "復号化",
    };
    return japanese ? japanese_ : english;
}

std::string usageErrorText(const CliTexts& texts, const CommandLine& line)
{
    switch (line.error) {
    case UsageError::none:
        break;
    case UsageError::noCommand:
        return std::string(texts.noCommand);
    case UsageError::unknownCommand:
        return std::string(texts.unknownCommand) + line.offendingArgument;
    case UsageError::unknownOption:
        return std::string(texts.unknownOption) + line.offendingArgument;
    case UsageError::noFile:
        return std::string(texts.noFile);
    case UsageError::keyWithoutFile:
        return std::string(texts.keyWithoutFile);
    case UsageError::keyTwice:
        return std::string(texts.keyTwice);
    case UsageError::standardStreamsWithoutKey:
        return std::string(texts.standardStreamsWithoutKey);
    case UsageError::standardStreamsTwice:
        return std::string(texts.standardStreamsTwice);
    }
    return {};
}

std::string_view stageName(const CliTexts& texts, WorkStage stage)
{
    switch (stage) {
    case WorkStage::coding:
        break;
    case WorkStage::decompressing:
        return texts.decompressing;
    case WorkStage::decoding:
        return texts.decoding;
    }
    return texts.coding;
}

}  // namespace votrana
