#!/usr/bin/env python3
"""Writes the seed corpus: a few valid and a few damaged blocks per fuzz target."""
import os
import struct
import sys


def i32(v):
    return struct.pack('<i', v)


def u8(v):
    return struct.pack('<B', v)


def string(text):
    data = text if isinstance(text, bytes) else text.encode('latin-1')
    return i32(len(data)) + data


def font(name='Tahoma', color=-2147483640, size=8, style=0):
    return string(name) + i32(color) + i32(size) + u8(style)


PNG = bytes.fromhex(
    '89504e470d0a1a0a0000000d4948445200000004000000040806000000a9f19e7e'
    '0000000c4944415478da6360a01c000000440001e91e9b510000000049454e44ae426082')
BMP = (b'BM' + i32(58) + i32(0) + i32(54) + i32(40) + i32(1) + i32(1) + struct.pack('<HH', 1, 24)
       + i32(0) + i32(4) + i32(0) * 4 + b'\xff\xff\xff\x00')
JPEG = bytes.fromhex('ffd8ffe000104a46494600010100000100010000ffd9')
GIF = (b'GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00'
       b',\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;')
ICO = bytes([0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 0x68, 4, 0, 0, 22, 0, 0, 0])
EMF = bytes([1, 0, 0, 0, 88]) + bytes(35) + b' EMF' + bytes(44)
WMF = bytes.fromhex('d7cdc69a') + bytes(18)


def picture(cls='', data=b''):
    return string(cls) + (i32(len(data)) + data if cls else b'')


def effect(angle=0, offset_x=2, texture=b''):
    return (i32(100) + i32(angle) + i32(0) + u8(0) + i32(0) + u8(1) + i32(0) + u8(0)
            + u8(1) + i32(0) + i32(0xffffff) + u8(2)
            + i32(70) + i32(80) + i32(0x444444) + u8(1) + i32(offset_x) + i32(2)
            + u8(1) + u8(0) + (texture or picture()))


def install_ware(n):
    return (string('\\Setup\\setup%d.exe' % n) + string('/q') + string('\\Setup') + u8(1) + i32(n % 2)
            + string('.pdf (Adobe Acrobat Document)') + string('') + i32(0) + u8(1)
            + string('Install Software') + string('Install it?') + u8(n == 0))


def settings(wares=0, back_image=b''):
    return (string('Demo') + i32(1) + string('Sub 1\r\nSub 2\r\n') + font('Arial', 0, 10, 1) + u8(1)
            + i32(16) + u8(1) + u8(2) + font('Tahoma', 0, 10, 1) + i32(65535) + i32(500)
            + i32(2500) + i32(0) + i32(8421504) + i32(1) + i32(255) + (back_image or picture())
            + i32(5) + u8(0) + i32(0) + struct.pack('<d', 0.0) + i32(0) + u8(0)
            + string('You need the administrative privilege to launch this CD.') + string('')
            + string('') + i32(wares) + b''.join(install_ware(n) for n in range(wares)))


def pages(entries):
    return i32(len(entries)) + b''.join(string(n) + u8(k) + i32(o) for n, k, o in entries)


FULL_INDEX = (i32(-1) + settings(3, picture('TBitmap', BMP))
              + pages([('Splash', 0, 0), ('Main Page', 2, 120), ('', 3, 0)]) + u8(1))

CORPUS = {
    'string': {
        'empty': string(''),
        'text': string('Main Page'),
        'ansi': string(b'Caf\xe9\r\n\x80\xff'),
        'length_beyond': i32(0x7fffffff) + b'abc',
        'negative_length': i32(-1),
        'cut_length': b'\x05\x00',
    },
    'font': {
        'default': font(),
        'bold_italic': font('Arial', 0x0000ff, 12, 3),
        'cut_style': font()[:-1],
        'bad_name': i32(-5),
    },
    'picture': {
        'empty': picture(),
        'bitmap': picture('TBitmap', BMP),
        'bitmap_lower_case': picture('tbitmap', BMP),
        'png': picture('TPNGObject', PNG),
        'png_prototype_spelling': picture('TPngObject', PNG),
        'jpeg': picture('TJPEGImage', JPEG),
        'gif': picture('TGIFImage', GIF),
        'icon': picture('TIcon', ICO),
        'emf': picture('TMetafile', EMF),
        'wmf': picture('TMetafile', WMF),
        'unknown_class': picture('TWicImage', b'\x00\x01'),
        'damaged_signature': picture('TPNGObject', b'\x89PNX' + PNG[4:]),
        'size_beyond': string('TGIFImage') + i32(1 << 30) + GIF,
    },
    'effect': {
        'default': effect(),
        'negative': effect(-45, -2),
        'textured': effect(10, 3, picture('TJPEGImage', JPEG)),
        'cut': effect()[:30],
    },
    'font_labels': {
        'none': i32(0),
        'two': i32(2) + effect() + font() + string('title') + effect(-45, -2) + font('Arial')
        + string('small'),
        'negative_count': i32(-1),
        'huge_count': i32(0x7fffffff) + effect() + font() + string('x'),
    },
    'index': {
        'full': FULL_INDEX,
        'zero_pages': i32(-1) + settings() + i32(0) + u8(1),
        'no_marker': pages([('Main Page', 2, 0), ('Sub Page', 3, 0)]),
        'no_trailer': FULL_INDEX[:-1],
        'cut_in_settings': FULL_INDEX[:60],
        'bad_string_in_settings': i32(-1) + string('T') + i32(0) + i32(0x7ffffff0),
    },
}

def rtf_fixtures():
    """The hand-written rich-text files of the unit tests, as seeds."""
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'data', 'rtf')
    seeds = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), 'rb') as source:
            seeds[os.path.splitext(name)[0]] = source.read()
    return seeds


CORPUS['rtf'] = {
    'nested_past_limit': b'{\\rtf1 ' + b'{' * 300 + b'\\b deep' + b'}' * 301,
    'cut_escape': b"{\\rtf1\\ansi a\\'e",
    'cut_backslash': b'{\\rtf1 a\\',
    'number_beyond_32_bits': b'{\\rtf1 \\fs99999999999 x\\li-2147483649 y}',
    'bin_beyond_end': b'{\\rtf1 a\\bin100 {}\\}',
    'bin_braces': b'{\\rtf1 a\\bin4 }}{{b\\par}',
    'extra_brace': b'{\\rtf1 a\\par}}\r\n',
    'missing_brace': b'{\\rtf1{\\b a\\par{\\i b',
    'not_rtf': b'plain text\r\nsecond line',
    'surrogates': b'{\\rtf1\\uc1\\u-10179?\\u-8704?\\u-10179?x\\u-8704?\\uc0\\u65\\u-3 '
                  b'\\uc3\\u66}\\par}',
    'font_table_forms': b"{\\rtf1\\deff3{\\fonttbl\\f3\\fswiss A;{\\f4\\fnil\\fcharset2 Symbol;}"
                        b"{\\f5 No end}\\f6 B\\'3b;}\\f9 x\\f4 y\\plain z\\par}",
    'bullets_without_symbol': b'{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\pn\\pnlvlblt}\\li720 a\\par '
                              b'b\\par\\pard c\\par}',
    'bullets_without_fonts': b'{\\rtf1{\\*\\pn\\pnlvlblt}\\li720 a\\par}',
    **rtf_fixtures(),
}


def slide_entry(name='a.png', style=5, step=4, delay=50, interval=2000, image_style=3):
    return (u8(1) + i32(style) + i32(step) + i32(delay) + i32(interval) + i32(image_style) + i32(0)
            + string(name) + string('') + i32(0))


def slide_config(entries, magic=29834, count=None):
    return i32(magic) + i32(len(entries) if count is None else count) + b''.join(entries)


CORPUS['slide_show_config'] = {
    'two': slide_config([slide_entry(), slide_entry('B.JPG', 0, 100, 70000, -5, 4)]),
    'none': slide_config([]),
    'wrong_magic': slide_config([slide_entry()], magic=29835),
    'count_beyond_bytes': slide_config([slide_entry()], count=1 << 30),
    'count_negative': slide_config([slide_entry()], count=-1),
    'truncated_second': slide_config([slide_entry(), slide_entry()[:20]], count=2),
    'name_beyond_bytes': slide_config([slide_entry()[:29] + i32(5000) + b'xy']),
    'short': b'\x8a\x74',
}

def clipboard(records, count=None, length=None):
    body = i32(len(records) if count is None else count) + b''.join(records)
    return i32(len(body) if length is None else length) + body


def clipboard_seeds(object_folder):
    """Copied objects framed as the clipboard carries them, from the object seeds."""
    def record(name):
        with open(os.path.join(object_folder, name), 'rb') as seed:
            return seed.read()
    shape, label, button = record('Shape'), record('Label'), record('Button')
    return {
        'one': clipboard([shape]),
        'three': clipboard([shape, button, label]),
        'text_objects': clipboard([record(n) for n in ('Text', 'ScrollText', 'SimpleText', 'Link')]),
        'none': clipboard([]),
        'length_too_large': clipboard([shape], length=1000),
        'length_negative': clipboard([shape], length=-4),
        'count_negative': clipboard([shape], count=-1),
        'count_beyond_bytes': clipboard([shape], count=1 << 30),
        'truncated_second': clipboard([shape, button[:20]], count=2),
        'unknown_kind_second': clipboard([shape, record('kind_out_of_range')]),
        'short': b'\x01\x00',
    }


def chunk(fourcc, data):
    return fourcc + struct.pack('<I', len(data)) + data + (b'\0' if len(data) % 2 else b'')


def riff_list(kind, fourcc, items):
    return chunk(kind, fourcc + b''.join(items))


def avi_file(width=4, height=2, bits=8, compression=1, frames=(), frame_count=None,
             strf_height=None, palette=4, audio=False, rec=False, handler=b'\0\0\0\0'):
    """A clip with one video stream (and perhaps silent audio) whose frames are given coded."""
    frame_count = len(frames) if frame_count is None else frame_count
    avih = struct.pack('<IIIIIIIIII', 100000, 0, 0, 0x10, frame_count, 0, 2 if audio else 1, 0,
                       width, height) + b'\0' * 16
    strh = b'vids' + handler + struct.pack('<IHHIIIIIIIIhhhh', 0, 0, 0, 0, 1, 10, 0,
                                             frame_count, 0, 0xffffffff, 0, 0, 0, min(width, 32767), min(height, 32767))
    h = height if strf_height is None else strf_height
    strf = struct.pack('<IiiHHIIiiII', 40, width, h, 1, bits, compression, 0, 0, 0, palette, 0)
    strf += b''.join(struct.pack('<BBBB', i * 60 % 256, i * 20 % 256, i * 90 % 256, 0)
                     for i in range(palette))
    streams = [riff_list(b'LIST', b'strl', [chunk(b'strh', strh), chunk(b'strf', strf)])]
    if audio:
        streams.append(riff_list(b'LIST', b'strl', [
            chunk(b'strh', b'auds' + b'\0' * 52),
            chunk(b'strf', struct.pack('<HHIIHH', 1, 1, 8000, 8000, 1, 8))]))
    hdrl = riff_list(b'LIST', b'hdrl', [chunk(b'avih', avih)] + streams)
    movie = []
    for data in frames:
        item = chunk(b'00dc' if compression else b'00db', data)
        if audio:
            movie.append(chunk(b'01wb', b'\x80' * 8))
        movie.append(riff_list(b'LIST', b'rec ', [item]) if rec else item)
    return riff_list(b'RIFF', b'AVI ', [hdrl, riff_list(b'LIST', b'movi', movie)])


RLE_FULL = b'\x04\x01\x00\x00\x04\x02\x00\x01'
RLE_DELTA = b'\x00\x02\x01\x00\x02\x03\x00\x01'
CORPUS['avi'] = {
    'rle8_two_frames': avi_file(frames=[RLE_FULL, RLE_DELTA]),
    'rle8_records_and_audio': avi_file(frames=[RLE_FULL, RLE_DELTA, b''], audio=True, rec=True),
    'rle4': avi_file(bits=4, compression=2, frames=[b'\x04\x12\x00\x00\x00\x04\x31\x23\x00\x01']),
    'rgb24_bottom_up': avi_file(bits=24, compression=0, palette=0, frames=[bytes(range(24))]),
    'rgb32_top_down': avi_file(bits=32, compression=0, palette=0, strf_height=-2,
                               frames=[bytes(range(32))]),
    'rgb16': avi_file(bits=16, compression=0, palette=0, frames=[bytes(range(16))]),
    'rle8_run_past_row': avi_file(frames=[b'\xff\x01\x00\x02\x7f\x7f\xff\x02\x00\x01']),
    'rle8_literal_cut': avi_file(frames=[b'\x00\x09\x01\x02']),
    'rgb_short_frame': avi_file(bits=24, compression=0, palette=0, frames=[b'\x01\x02']),
    'huge_size': avi_file(width=1 << 30, height=1 << 30, frames=[RLE_FULL]),
    'palette_beyond_strf': avi_file(palette=4)[:200],
    'other_codec': avi_file(compression=0x47504A4D, frames=[b'\xff\xd8']),
    'riff_size_too_large': b'RIFF\xff\xff\xff\x7fAVI LIST\x04\x00\x00\x00hdrl',
    'not_avi': b'RIFF\x04\x00\x00\x00WAVE',
    'empty': b'',
}


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), 'corpus')
    CORPUS['clipboard_objects'] = clipboard_seeds(
        os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus', 'object'))
    for target, seeds in CORPUS.items():
        folder = os.path.join(root, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in seeds.items():
            with open(os.path.join(folder, name), 'wb') as out:
                out.write(data)


if __name__ == '__main__':
    main()
