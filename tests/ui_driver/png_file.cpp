// PNG files through the Windows Imaging Component, which Wine provides.
#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/image.h"
#include "tests/ui_driver/text.h"

namespace ui {

namespace {

using Microsoft::WRL::ComPtr;

void check(HRESULT result, const char* what)
{
    if (FAILED(result))
        throw DriverError(std::string(what) + " failed, HRESULT " + std::to_string(static_cast<unsigned long>(result)));
}

// COM for the calling thread while the file is written; a thread that already has it
// in another model keeps it, and WIC works in either.
class ComUse {
public:
    ComUse() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ComUse(const ComUse&) = delete;
    ComUse& operator=(const ComUse&) = delete;
    ~ComUse()
    {
        if (initialized_)
            CoUninitialize();
    }

private:
    bool initialized_;
};

// 24-bit BGR rows, each padded to 4 bytes.
std::vector<BYTE> bgrRows(const Image& image, UINT stride)
{
    std::vector<BYTE> bytes(static_cast<size_t>(stride) * static_cast<size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        BYTE* row = bytes.data() + static_cast<size_t>(y) * stride;
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.at(x, y);
            row[x * 3] = static_cast<BYTE>(pixel);
            row[x * 3 + 1] = static_cast<BYTE>(pixel >> 8);
            row[x * 3 + 2] = static_cast<BYTE>(pixel >> 16);
        }
    }
    return bytes;
}

} // namespace

void savePng(const Image& image, const std::wstring& path)
{
    const ComUse com;
    ComPtr<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
          "CoCreateInstance of the WIC factory");
    ComPtr<IWICStream> stream;
    check(factory->CreateStream(&stream), "IWICImagingFactory::CreateStream");
    check(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE),
          ("opening " + toUtf8(path) + " for writing").c_str());
    ComPtr<IWICBitmapEncoder> encoder;
    check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), "creating the PNG encoder");
    check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "IWICBitmapEncoder::Initialize");
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    check(encoder->CreateNewFrame(&frame, &options), "IWICBitmapEncoder::CreateNewFrame");
    check(frame->Initialize(options.Get()), "IWICBitmapFrameEncode::Initialize");
    check(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height)), "IWICBitmapFrameEncode::SetSize");
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    check(frame->SetPixelFormat(&format), "IWICBitmapFrameEncode::SetPixelFormat");
    if (format != GUID_WICPixelFormat24bppBGR)
        throw DriverError("the PNG encoder does not take 24-bit BGR pixels");
    const UINT stride = (static_cast<UINT>(image.width) * 3 + 3) & ~3u;
    std::vector<BYTE> bytes = bgrRows(image, stride);
    check(frame->WritePixels(static_cast<UINT>(image.height), stride, static_cast<UINT>(bytes.size()), bytes.data()),
          "IWICBitmapFrameEncode::WritePixels");
    check(frame->Commit(), "IWICBitmapFrameEncode::Commit");
    check(encoder->Commit(), "IWICBitmapEncoder::Commit");
}

} // namespace ui
