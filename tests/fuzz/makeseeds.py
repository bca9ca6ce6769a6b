#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into corpus/<target>/.

Each seed is a well-formed input a target can take apart step by step;
the fuzzer and the replay test (which also cuts every seed short) take it
from there. Run it again after changing what a target reads.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def crc8(data, crc=0):
    # CRC-8/MAXIM: polynomial 0x31 bit-reflected (0x8C), initial 0.
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0x8C if crc & 1 else crc >> 1
    return crc


def frame(payload):
    head = struct.pack('<H', len(payload)) + bytes(payload)
    return head + bytes([crc8(head)])


def name(text):
    return text.encode('latin-1').ljust(21, b'\0')[:21]


def write(target, filename, data):
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, filename), 'wb') as f:
        f.write(data)


def pattern(n, seed):
    return bytes((i * 31 + seed) & 0xFF for i in range(n))


# --- packetlink: capacity byte (times 3), then the peer's bytes ----------
bad_crc = bytearray(frame(b'\x0a\x0b\x0c'))
bad_crc[-1] ^= 0x80
write('packetlink', 'frames', bytes([6]) + frame(b'') + frame(b'\x0f') + frame(pattern(10, 1))
      + bytes(bad_crc) + frame(pattern(40, 2)) + frame(b'ok') + frame(pattern(9, 3))[:5])
write('packetlink', 'large', bytes([255]) + frame(pattern(600, 4)) + frame(b'\x01') + frame(pattern(765, 5)))


# --- updatepackage: package files -----------------------------------------
def package(dtype, cpu, fpga, fs, gps=None, gps_flag=0):
    head = struct.pack('<IBIII', 0xC0FFEE42, dtype, len(cpu), len(fpga), len(fs))
    body = head + cpu + fpga + fs
    if gps is not None:
        body += struct.pack('<IBI', 0xC0FFEE42, gps_flag, len(gps)) + gps
    return body


write('updatepackage', 'full.vyrup', package(6, pattern(300, 6), pattern(260, 7), pattern(600, 8), pattern(200, 9)))
write('updatepackage', 'gps-kept.vyrup', package(2, pattern(10, 10), b'', pattern(5, 11), pattern(20, 12), 1))
write('updatepackage', 'empty.vyrup', package(0, b'', b'', b''))
write('updatepackage', 'cut-short.vyrup', package(6, pattern(300, 13), pattern(300, 14), pattern(300, 15))[:500])

# --- remotereplies: the replies to one round of requests, in order ----------
ok = frame(b'\x01')
screen = bytes([255, 0x3F] * 170)   # 170 runs of 255 white pixels: 43350 pixels
replies = [
    frame(pattern(107, 16)),                                      # status
    frame(bytes([6]) + pattern(21, 17)),                          # device information
    frame(b'\x01' + name('CFG_A')),                               # file list
    frame(b'\x01' + name('CFG_B_WITH_A_LONG_NAME')),
    frame(b'\x00' + name('')),
    frame(struct.pack('<HB', 600, 0)),                            # open: 600 bytes
    frame(b'\x00' + pattern(512, 18)),                            # read 512
    frame(b'\x00' + pattern(88, 19)),                             # read 88
    frame(screen), frame(screen),                                 # screenshot
    frame(b'\x01' + pattern(168, 20)),                            # results
    frame(pattern(76, 21)),                                       # settings
    frame(b'\x00' + pattern(300, 22)),                            # read 300
    frame(name('REPORT_0001')),                                   # new file name
    frame(pattern(12, 23)),                                       # load report
    frame(b'\x01\x00\x01'),                                       # sync status
    frame(bytes(16)),                                             # start accepted
    ok,                                                           # clock
    frame(struct.pack('<I', 7)),                                  # menu id
    ok, ok, ok, ok, ok,                                           # update: start, 2 CPU, 1 FPGA, finish
]
write('remotereplies', 'round', b''.join(replies))
# A tester in a bad state: wrong lengths, broken CRCs, refusals, a list
# that never ends.
hostile = [
    frame(pattern(106, 24)), bytes(bad_crc), frame(pattern(107, 25)),
    frame(pattern(23, 26)),
] + [frame(b'\x01' + name('AGAIN'))] * 8 + [
    frame(struct.pack('<HB', 5, 3)),
    frame(bytes([0, 0] * 170)), frame(bytes([0, 0] * 170)), frame(bytes([0, 0] * 170)),
    frame(b'\x02' + pattern(168, 27)),
    frame(b'\x00'), ok, frame(b'\x00'), frame(b'\x00'),
]
write('remotereplies', 'hostile', b''.join(hostile))
