#include "catalogue.h"

// The labels are kept letter for letter, in NFC, including the unusual tone
// placements ("Hòang", "Qủy") and the double space of "Miêu Lĩnh  (95)".
// This file is UTF-8; the build passes the input charset explicitly so the
// char16_t literals are the code points written here, never re-encoded.

namespace locator {

namespace {

constexpr PlaceCatalogue catalogue{{
    {0, u"Bách Hoa Cốc (25)", MapView::dailyphu, 416, 528},
    {1, u"Bách Hoa Trận (35)", MapView::dailyphu, 352, 504},
    {2, u"Bang Nguyên Bí Động (85)", MapView::dongtong, 510, 390},
    {3, u"Bành Lãi Cổ Trạch (65)", MapView::dongtong, 466, 318},
    {4, u"Bờ Hồ Động Đình (15)", MapView::taytong, 920, 408},
    {5, u"Bộ Lạc Nam Di (25)", MapView::dongtong, 416, 480},
    {6, u"Cấm Địa Hậu Sơn (25)", MapView::kimquoc, 616, 454},
    {7, u"Cấm Địa Thiên Nhẫn (25)", MapView::kimquoc, 832, 208},
    {8, u"Cán Hoa Khê (55)", MapView::taytong, 256, 272},
    {9, u"Chiến Trường Cổ (5)", MapView::kimquoc, 688, 118},
    {10, u"Cổ Lãng Dữ (115)", MapView::dongtong, 640, 536},
    {11, u"Cô Tô Thủy Tạ (25)", MapView::dongtong, 536, 216},
    {12, u"Cư Diên Trạch (65)", MapView::mongco, 530, 238},
    {13, u"Cửu Lão Động 1 (35)", MapView::taytong, 245, 398},
    {14, u"Cửu Lão Động 2 (45)", MapView::taytong, 266, 344},
    {15, u"Cửu Lão Phong (25)", MapView::taytong, 298, 424},
    {16, u"Cửu Nghi Khê (75)", MapView::dongtong, 570, 350},
    {17, u"Đại Tán Quan (55)", MapView::kimquoc, 256, 464},
    {18, u"Đại Vũ Đài (105)", MapView::kimquoc, 838, 368},
    {19, u"Đào Hoa Nguyên (115)", MapView::taytong, 660, 528},
    {20, u"Điểm Thương Sơn (65)", MapView::dailyphu, 300, 352},
    {21, u"Đôn Hòang Cổ Thành (105)", MapView::mongco, 370, 254},
    {22, u"Đông Bờ Hồ Trúc Lâm (35)", MapView::dailyphu, 552, 288},
    {23, u"Đông Long Hổ Huyễn Cảnh (35)", MapView::taytong, 618, 112},
    {24, u"Đông Nam Lư Vĩ Đãng (35)", MapView::taytong, 888, 528},
    {25, u"Đồng Quan (15)", MapView::kimquoc, 466, 416},
    {26, u"Đông Rừng Nguyên Sinh (35)", MapView::dongtong, 360, 496},
    {27, u"Đông Tháp Lâm (35)", MapView::kimquoc, 573, 480},
    {28, u"Dược Vương Động (65)", MapView::kimquoc, 544, 208},
    {29, u"Gia Dụ Quan (95)", MapView::mongco, 368, 176},
    {30, u"Giữa Yên Tử Ô (45)", MapView::dongtong, 416, 224},
    {31, u"Hàn Sơn Cổ Sát (55)", MapView::dongtong, 776, 168},
    {32, u"Hán Thủy Cổ Độ (55)", MapView::taytong, 888, 200},
    {33, u"Hồ Khâu Kiếm Tri (65)", MapView::dongtong, 730, 225},
    {34, u"Hồ Phi Thúy (25)", MapView::dailyphu, 520, 232},
    {35, u"Hoa Sơn (95)", MapView::kimquoc, 416, 376},
    {36, u"Hòai Thủy Sa Châu (15)", MapView::dongtong, 392, 136},
    {37, u"Hòang Lạc Lâu (85)", MapView::dongtong, 304, 256},
    {38, u"Hòang Lăng Đòan Thị (75)", MapView::dailyphu, 312, 416},
    {39, u"Hòang Lăng Kim Quốc 1 (35)", MapView::kimquoc, 872, 152},
    {40, u"Hòang Lăng Kim Quốc 2 (45)", MapView::kimquoc, 912, 112},
    {41, u"Hòang Lăng Tây Hạ (85)", MapView::mongco, 672, 304},
    {42, u"Họat Tử Nhân Mộ (105)", MapView::kimquoc, 360, 328},
    {43, u"Hương Thủy Động (65)", MapView::taytong, 280, 208},
    {44, u"Kê Quán Động (75)", MapView::kimquoc, 664, 528},
    {45, u"Kiếm Các Thục Đạo (75)", MapView::taytong, 442, 224},
    {46, u"Kiếm Môn Quan (85)", MapView::taytong, 530, 208},
    {47, u"Kiến Tính Phong (25)", MapView::mongco, 320, 480},
    {48, u"Kỳ Liên Sơn (15)", MapView::mongco, 384, 392},
    {49, u"Long Môn Thạch Quật (85)", MapView::kimquoc, 562, 360},
    {50, u"Lương Sơn Bạc (115)", MapView::kimquoc, 920, 344},
    {51, u"Mai Hoa Lĩnh (5)", MapView::dongtong, 440, 100},
    {52, u"Mạc Bắc Thảo Nguyên (105)", MapView::mongco, 855, 128},
    {53, u"Mê Cung Băng Huyệt 1 (35)", MapView::mongco, 264, 496},
    {54, u"Mê Cung Băng Huyệt 2 (45)", MapView::mongco, 280, 432},
    {55, u"Mê Cung Sa Mạc (75)", MapView::mongco, 666, 230},
    {56, u"Miêu Lĩnh  (95)", MapView::dailyphu, 784, 456},
    {57, u"Mông Cổ Vương Đinh (115)", MapView::mongco, 680, 128},
    {58, u"Ngoài Yến Tử Ô (35)", MapView::dongtong, 480, 216},
    {59, u"Nguyệt Nha Tuyền (115)", MapView::mongco, 280, 288},
    {60, u"Nhạc Dương Lâu (15)", MapView::taytong, 888, 304},
    {61, u"Nhạn Đãng Long Thu (5)", MapView::dongtong, 792, 360},
    {62, u"Nhĩ Hải Ma Nham (55)", MapView::dailyphu, 416, 240},
    {63, u"Phong Đô Qủy Thành (95)", MapView::taytong, 592, 320},
    {64, u"Phong Lăng Độ (75)", MapView::kimquoc, 512, 280},
    {65, u"Phục Lưu Động (105)", MapView::taytong, 632, 424},
    {66, u"Phục Ngưu Sơn (65)", MapView::kimquoc, 728, 496},
    {67, u"Phường Đúc Kiếm (15)", MapView::dongtong, 728, 424},
    {68, u"Quân Mã Trường (5)", MapView::kimquoc, 496, 472},
    {69, u"Quán Trọ Long Môn (5)", MapView::mongco, 336, 336},
    {70, u"Sắc Lặc Xuyên (95)", MapView::mongco, 921, 192},
    {71, u"Tam Hiệp Sạn Đạo (105)", MapView::taytong, 704, 272},
    {72, u"Tàn Tích Cung A Phòng (115)", MapView::kimquoc, 344, 464},
    {73, u"Tàn Tích Dạ Lang (115)", MapView::dailyphu, 746, 344},
    {74, u"Tây Bắc Lữ Vĩ Đãng (5)", MapView::taytong, 848, 472},
    {75, u"Tây Bờ Hồ Trúc Lâm (45)", MapView::dailyphu, 578, 344},
    {76, u"Tây Long Hổ Huyễn Cảnh (45)", MapView::taytong, 568, 104},
    {77, u"Tây Rừng Nguyên Sinh (45)", MapView::dongtong, 296, 512},
    {78, u"Tây Tháp Lâm (45)", MapView::kimquoc, 528, 496},
    {79, u"Thái Hành Cổ Kính (55)", MapView::kimquoc, 608, 264},
    {80, u"Thái Thạch Cơ (55)", MapView::dongtong, 626, 280},
    {81, u"Thần Nữ Phong (115)", MapView::taytong, 794, 318},
    {82, u"Thanh Loa Đảo (25)", MapView::taytong, 816, 532},
    {83, u"Thị Trấn Bạch Tộc (5)", MapView::dailyphu, 620, 410},
    {84, u"Thiên Long Tự (85)", MapView::dailyphu, 290, 264},
    {85, u"Thiên Trụ Phong (25)", MapView::taytong, 648, 144},
    {86, u"Thục Cương Bí Cảnh (95)", MapView::kimquoc, 792, 440},
    {87, u"Thục Cương Sơn (75)", MapView::kimquoc, 912, 504},
    {88, u"Thục Nam Trúc Hải (15)", MapView::taytong, 466, 406},
    {89, u"Tiên Cúc Động (85)", MapView::kimquoc, 866, 470},
    {90, u"Tỏa Vân Uyên (105)", MapView::dongtong, 458, 532},
    {91, u"Trà Mã Cổ Đạo (15)", MapView::dailyphu, 488, 352},
    {92, u"Trấn Đông Mộ Viên (15)", MapView::kimquoc, 735, 192},
    {93, u"Trong Bách Hoa Trận (45)", MapView::dailyphu, 280, 504},
    {94, u"Trường Giang Hà Cốc (5)", MapView::taytong, 512, 376},
    {95, u"Vũ Di Sơn (95)", MapView::dongtong, 594, 500},
    {96, u"Vũ Lãng Sơn (95)", MapView::taytong, 714, 368},
    {97, u"Xi Vưu Động (105)", MapView::dailyphu, 882, 472},
}};

constexpr bool indexesInOrder()
{
    for (int i = 0; i < placeCount; ++i)
        if (catalogue[static_cast<std::size_t>(i)].index != i)
            return false;
    return true;
}
static_assert(indexesInOrder(), "row i must have index i");

} // namespace

const PlaceCatalogue &placeCatalogue()
{
    return catalogue;
}

const PlaceEntry *placeAt(int index)
{
    if (index < 0 || index >= placeCount)
        return nullptr;
    return &catalogue[static_cast<std::size_t>(index)];
}

} // namespace locator
