// The photograph's decode: TJpegDecoder::Decode on the content's board.jpg against
// libjpeg-turbo's own djpeg on the same file.
//
// djpeg decodes once per process, so its per-decode time is the median wall time of
// "djpeg -outfile /dev/null board.jpg" minus that of the same command on an 8x8 JPEG (the
// process start, the library's loading and the file handling). djpeg writes PPM rows as it
// decodes; with -bmp it holds the whole picture in memory first, as our decoder does. Our
// decoder is timed the same way, each decode in a fresh process of this program
// (--decode-file), so all pay the cold caches of a first decode. A decode in a running
// program is timed too, beside a loop of the same libjpeg calls that djpeg makes (RGB
// rows, default options), which separates the decoder's own cost from libjpeg's.
#include "bench/Measure.h"
#include "platform/JpegDecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <iterator>
#include <vector>

#include <jpeglib.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// The photograph is known to be sound: libjpeg's default error handler may end the bench.
void DecodeLikeDjpeg(const QByteArray& Jpeg, J_COLOR_SPACE Space, std::vector<JSAMPLE>& Row)
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(Jpeg.constData()),
                 static_cast<unsigned long>(Jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = Space;
    jpeg_start_decompress(&info);
    Row.resize(std::size_t(info.output_width) * std::size_t(info.output_components));
    JSAMPROW row = Row.data();
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, &row, 1);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

QByteArray TinyJpeg()
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 8;
    info.image_height = 8;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(8 * 3, 128);
    JSAMPROW rows[] = {row.data()};
    while (info.next_scanline < info.image_height)
        jpeg_write_scanlines(&info, rows, 1);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray data(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return data;
}

double TimeUs(const std::function<void()>& Work)
{
    const std::int64_t start = Measure::NowNs();
    Work();
    return double(Measure::NowNs() - start) / 1000.0;
}

struct TRun
{
    double Us = -1; // wall time, -1 when the process failed
    double MinorFaults = 0;
};

TRun RunProcess(QList<QByteArray> Arguments)
{
    std::vector<char*> arguments;
    for (QByteArray& argument : Arguments)
        arguments.push_back(argument.data());
    arguments.push_back(nullptr);
    pid_t pid = 0;
    const std::int64_t start = Measure::NowNs();
    if (posix_spawn(&pid, arguments.front(), nullptr, nullptr, arguments.data(), environ) != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::int64_t end = Measure::NowNs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {double(end - start) / 1000.0, double(usage.ru_minflt)};
}

// One program's runs on the photograph and on the tiny file: the difference of the
// medians is its cost per decode.
struct TPerProcess
{
    QList<double> BoardUs;
    QList<double> TinyUs;
    QList<double> BoardFaults;
    QList<double> TinyFaults;

    void Add(const TRun& Board, const TRun& Tiny)
    {
        BoardUs.append(Board.Us);
        TinyUs.append(Tiny.Us);
        BoardFaults.append(Board.MinorFaults);
        TinyFaults.append(Tiny.MinorFaults);
    }
    double DecodeUs() const { return Measure::Median(BoardUs) - Measure::Median(TinyUs); }
    double DecodeFaults() const
    {
        return Measure::Median(BoardFaults) - Measure::Median(TinyFaults);
    }
};

int DecodeFile(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    try {
        return TJpegDecoder::Decode(file.readAll()).isNull() ? 1 : 0;
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "%s\n", Error.what());
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--decode-file") == 0)
        return DecodeFile(QFile::decodeName(argv[2]));
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype djpegAt = arguments.indexOf(QStringLiteral("--djpeg"));
    const QString djpeg = djpegAt > 0 ? arguments.value(djpegAt + 1) : QString();
    constexpr int Runs = 41;

    QFile photograph(QStringLiteral(":/content/board.jpg"));
    if (!photograph.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "the photograph is not in the content\n");
        return 1;
    }
    const QByteArray jpeg = photograph.readAll();
    const QImage decoded = TJpegDecoder::Decode(jpeg);
    std::printf("image=%dx%d bytes=%lld\n", decoded.width(), decoded.height(),
                static_cast<long long>(jpeg.size()));

    QList<double> ours;
    QList<double> rgb;
    QList<double> bgrx;
    std::vector<JSAMPLE> row;
    // Interleaved, so that drift of the machine hits every series alike.
    for (int i = 0; i < Runs + 1; ++i) {
        const double oursUs = TimeUs([&jpeg] { TJpegDecoder::Decode(jpeg); });
        const double rgbUs = TimeUs([&] { DecodeLikeDjpeg(jpeg, JCS_RGB, row); });
        const double bgrxUs = TimeUs([&] { DecodeLikeDjpeg(jpeg, JCS_EXT_BGRX, row); });
        if (i == 0)
            continue; // warm-up
        ours.append(oursUs);
        rgb.append(rgbUs);
        bgrx.append(bgrxUs);
    }
    const double oursMedian = Measure::Median(ours);
    const double rgbMedian = Measure::Median(rgb);
    std::printf("decoder_us=%.0f libjpeg_rgb_us=%.0f libjpeg_bgrx_us=%.0f "
                "ratio_to_libjpeg_rgb=%.2f\n",
                oursMedian, rgbMedian, Measure::Median(bgrx), oursMedian / rgbMedian);

    if (djpeg.isEmpty())
        return 0;
    QTemporaryDir scratch;
    const QString boardFile = scratch.filePath(QStringLiteral("board.jpg"));
    const QString tinyFile = scratch.filePath(QStringLiteral("tiny.jpg"));
    QFile board(boardFile);
    QFile tiny(tinyFile);
    if (!board.open(QIODevice::WriteOnly) || board.write(jpeg) != jpeg.size() ||
        !tiny.open(QIODevice::WriteOnly) || tiny.write(TinyJpeg()) <= 0) {
        std::fprintf(stderr, "cannot write the scratch files\n");
        return 1;
    }
    board.close();
    tiny.close();
    const QList<QByteArray> djpegCommand = {QFile::encodeName(djpeg), "-outfile", "/dev/null"};
    const QList<QByteArray> djpegBmpCommand = {QFile::encodeName(djpeg), "-bmp", "-outfile",
                                               "/dev/null"};
    const QList<QByteArray> oursCommand = {
        QFile::encodeName(QCoreApplication::applicationFilePath()), "--decode-file"};
    TPerProcess djpegRuns;
    TPerProcess djpegBmpRuns;
    TPerProcess oursRuns;
    for (int i = 0; i < Runs + 1; ++i) {
        const TRun runs[] = {RunProcess(djpegCommand + QList{QFile::encodeName(boardFile)}),
                             RunProcess(djpegCommand + QList{QFile::encodeName(tinyFile)}),
                             RunProcess(djpegBmpCommand + QList{QFile::encodeName(boardFile)}),
                             RunProcess(djpegBmpCommand + QList{QFile::encodeName(tinyFile)}),
                             RunProcess(oursCommand + QList{QFile::encodeName(boardFile)}),
                             RunProcess(oursCommand + QList{QFile::encodeName(tinyFile)})};
        if (std::any_of(std::begin(runs), std::end(runs),
                        [](const TRun& Run) { return Run.Us < 0; })) {
            std::fprintf(stderr, "a decoding process failed\n");
            return 1;
        }
        if (i == 0)
            continue;
        djpegRuns.Add(runs[0], runs[1]);
        djpegBmpRuns.Add(runs[2], runs[3]);
        oursRuns.Add(runs[4], runs[5]);
    }
    // Page faults per decode show what a decode into a whole picture costs beyond one that
    // streams rows to a file.
    std::printf("djpeg_decode_us=%.0f djpeg_decode_faults=%.0f djpeg_bmp_decode_us=%.0f "
                "djpeg_bmp_decode_faults=%.0f decoder_cold_decode_us=%.0f "
                "decoder_cold_decode_faults=%.0f\n",
                djpegRuns.DecodeUs(), djpegRuns.DecodeFaults(), djpegBmpRuns.DecodeUs(),
                djpegBmpRuns.DecodeFaults(), oursRuns.DecodeUs(), oursRuns.DecodeFaults());
    std::printf("cold_ratio_to_djpeg=%.2f cold_ratio_to_djpeg_bmp=%.2f "
                "warm_ratio_to_djpeg=%.2f\n",
                oursRuns.DecodeUs() / djpegRuns.DecodeUs(),
                oursRuns.DecodeUs() / djpegBmpRuns.DecodeUs(), oursMedian / djpegRuns.DecodeUs());
    return 0;
}
