"""The directory of a compiled HTML help file (ITSF version 3, as chmcmd writes it).

chmcmd 3.2.2 stores the topic names of the [ALIAS] section with the absolute path of the
project folder in front ("/build/.../help/de/options.htm" instead of "options.htm"), so
HH_HELP_CONTEXT finds no topic. `set_contexts` repairs a CHM after compilation: it stores a
new #IVB (context id and #STRINGS offset pairs) and a new #STRINGS (the old strings, whose
offsets other internal files use, followed by the topic names) uncompressed in content
section 0 and rewrites the directory to point at them. Everything else is kept byte for byte.
"""
import struct

CHUNK = 0x1000
PMGL_HEADER = 0x14
PMGI_HEADER = 0x08


def read_encint(buf, pos):
    value = 0
    while True:
        byte = buf[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def encint(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Chm:
    """Reads the headers and directory entries; `write` lays the file out again."""

    def __init__(self, data):
        if data[:4] != b'ITSF' or struct.unpack_from('<I', data, 4)[0] != 3:
            raise ValueError('not an ITSF version 3 file')
        self.itsf = bytearray(data[:0x60])
        s0off, s0len, s1off, s1len = struct.unpack_from('<QQQQ', data, 0x38)
        self.section0_header = bytearray(data[s0off:s0off + s0len])
        self.itsp = bytearray(data[s1off:s1off + 0x54])
        if self.itsp[:4] != b'ITSP':
            raise ValueError('no directory header')
        chunk_size, = struct.unpack_from('<I', self.itsp, 0x10)
        if chunk_size != CHUNK:
            raise ValueError('unexpected directory chunk size')
        first_pmgl, = struct.unpack_from('<i', self.itsp, 0x20)
        chunks_at = s1off + 0x54
        content0, = struct.unpack_from('<Q', data, 0x58)
        self.content0 = bytearray(data[content0:])
        self.entries = []  # [name, section, offset, length] in directory order
        index = first_pmgl
        while index >= 0:
            chunk = data[chunks_at + index * CHUNK:chunks_at + (index + 1) * CHUNK]
            if chunk[:4] != b'PMGL':
                raise ValueError('bad listing chunk')
            free, _, _, following = struct.unpack_from('<IIii', chunk, 4)
            count, = struct.unpack_from('<H', chunk, CHUNK - 2)
            pos = PMGL_HEADER
            for _ in range(count):
                size, pos = read_encint(chunk, pos)
                name = chunk[pos:pos + size].decode('utf-8')
                pos += size
                section, pos = read_encint(chunk, pos)
                offset, pos = read_encint(chunk, pos)
                length, pos = read_encint(chunk, pos)
                self.entries.append([name, section, offset, length])
            index = following

    def entry(self, name):
        for item in self.entries:
            if item[0].lower() == name.lower():
                return item
        raise KeyError(name)

    def put_uncompressed(self, name, payload):
        """Points the entry `name` at a copy of `payload` appended to content section 0."""
        item = self.entry(name)
        item[1:4] = [0, len(self.content0), len(payload)]
        self.content0 += payload

    def _listing_chunks(self):
        chunks, current, firsts = [], [], []

        def size_of(entries):
            return PMGL_HEADER + sum(len(e) for e in entries) + 2 * (len(entries) // 5 + 1)

        encoded = []
        for name, section, offset, length in self.entries:
            raw = name.encode('utf-8')
            encoded.append((raw, encint(len(raw)) + raw + encint(section) + encint(offset) + encint(length)))
        for raw, blob in encoded:
            if current and size_of(current + [blob]) > CHUNK:
                chunks.append(current)
                current = []
            if not current:
                firsts.append(raw)
            current.append(blob)
        if current:
            chunks.append(current)
        return chunks, firsts

    @staticmethod
    def _chunk(signature, header_rest, entries, header_size):
        body = bytearray(CHUNK)
        pos = header_size
        quickref = []
        for number, blob in enumerate(entries, 1):
            body[pos:pos + len(blob)] = blob
            pos += len(blob)
            if number % 5 == 0:
                quickref.append(pos - len(blob) - header_size)
        for i, value in enumerate(quickref, 1):
            struct.pack_into('<H', body, CHUNK - 2 - 2 * i, value)
        struct.pack_into('<H', body, CHUNK - 2, len(entries))
        body[0:4] = signature
        struct.pack_into('<I', body, 4, CHUNK - pos)
        body[8:header_size] = header_rest
        return bytes(body)

    def write(self):
        listings, firsts = self._listing_chunks()
        count = len(listings)
        chunks = []
        for i, entries in enumerate(listings):
            rest = struct.pack('<Iii', 0, i - 1 if i else -1, i + 1 if i + 1 < count else -1)
            chunks.append(self._chunk(b'PMGL', rest, entries, PMGL_HEADER))
        depth, root = 1, -1
        if count > 1:
            index_entries = [encint(len(raw)) + raw + encint(i) for i, raw in enumerate(firsts)]
            chunk = self._chunk(b'PMGI', b'', index_entries, PMGI_HEADER)
            if PMGI_HEADER + sum(map(len, index_entries)) > CHUNK - 64:
                raise ValueError('directory too large for one index chunk')
            chunks.append(chunk)
            depth, root = 2, count
        directory = b''.join(chunks)
        itsp = bytearray(self.itsp)
        struct.pack_into('<IiIIiI', itsp, 0x18, depth, root, 0, count - 1, -1, len(chunks))
        header = bytearray(self.itsf)
        s0off = 0x60
        s1off = s0off + len(self.section0_header)
        s1len = len(itsp) + len(directory)
        content0 = s1off + s1len
        struct.pack_into('<QQQQQ', header, 0x38, s0off, len(self.section0_header), s1off, s1len, content0)
        section0_header = bytearray(self.section0_header)
        total = content0 + len(self.content0)
        struct.pack_into('<Q', section0_header, 8, total)
        return bytes(header) + bytes(section0_header) + bytes(itsp) + directory + bytes(self.content0)


def set_contexts(data, strings, contexts):
    """Returns the CHM `data` with its context map replaced.

    `strings` is the decompressed #STRINGS file of the CHM, `contexts` a list of
    (context id, topic file name) pairs.
    """
    chm = Chm(data)
    table = bytearray(strings)
    ivb = bytearray()
    for context_id, topic in contexts:
        offset = len(table)
        table += topic.encode('ascii') + b'\0'
        ivb += struct.pack('<II', context_id, offset)
    chm.put_uncompressed('/#STRINGS', bytes(table))
    chm.put_uncompressed('/#IVB', struct.pack('<I', len(ivb)) + bytes(ivb))
    return chm.write()
