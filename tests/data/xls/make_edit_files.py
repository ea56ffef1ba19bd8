#!/usr/bin/python3
"""Writes the workbooks the edit tests start from, each by a writer that makes that kind of
file (see README.md): edits.xls and pictures.xls by LibreOffice, rows-and-styles.xls by xlwt,
no-row-records.xls by Perl's Spreadsheet::WriteExcel. Run in this folder."""

import base64
import os
import struct
import subprocess
import zlib

import xlwt

HEAD = '''<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
  xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
  xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
  xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
  xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
  xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
  xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
  office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:automatic-styles>
  <style:style style:name="tall" style:family="table-row">
   <style:table-row-properties style:row-height="0.5in" style:use-optimal-row-height="false"/>
  </style:style>
 </office:automatic-styles>
 <office:body><office:spreadsheet>
'''
TAIL = '</office:spreadsheet></office:body></office:document>\n'


def cell(value):
    if value is None:
        return '<table:table-cell/>'
    if isinstance(value, tuple):  # an array formula over rows x 1 cells
        formula, rows = value
        return ('<table:table-cell table:formula="of:%s" table:number-matrix-columns-spanned="1"'
                ' table:number-matrix-rows-spanned="%d"/>' % (formula, rows))
    if isinstance(value, str) and value.startswith('='):
        return '<table:table-cell table:formula="of:%s"/>' % value
    if isinstance(value, str):
        return '<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>' % value
    return '<table:table-cell office:value-type="float" office:value="%s"/>' % value


def table(name, rows, shapes='', row_attributes=None):
    out = ['<table:table table:name="%s">' % name]
    if shapes:
        out.append('<table:shapes>%s</table:shapes>' % shapes)
    for i, row in enumerate(rows):
        attributes = (row_attributes or {}).get(i + 1, '')
        out.append('<table:table-row%s>%s</table:table-row>' % (attributes, ''.join(map(cell, row))))
    out.append('</table:table>')
    return '\n'.join(out)


def to_xls(fods):
    subprocess.run(['soffice', '-env:UserInstallation=file:///tmp/quillbat-lo-make', '--headless',
                    '--convert-to', 'xls:MS Excel 97', fods], check=True)
    os.remove(fods)


def edits():
    """Filled-down (shared) formulas, array formulas, references into rows the tests delete,
    SUBTOTAL, a tall row 8 and a hidden row 10; a second sheet refers to the first."""
    rows = []
    for r in range(1, 25):
        next_row = '=[.B%d]-[.B%d]' % (r + 1, r) if r < 24 else None
        rows.append([r, r * 10, '=[.B%d]*2' % r, '=[.A%d]+[.B%d]' % (r, r), None, next_row, None])
    rows[0][4], rows[1][4] = '=[.B20]', '=SUM([.B3:.B22])'
    rows[2][4], rows[3][4] = '=SUBTOTAL(109;[.B1:.B24])', '=SUBTOTAL(103;[.A1:.A24])'
    rows[0][6], rows[20][6] = ('=[.B1:.B3]*2', 3), ('=[.A21:.A22]+1', 2)
    other = [['=[$Card.B20]', '=[$Card.B21]', '=SUM([$Card.B1:.B24])']]
    with open('edits.fods', 'w') as f:
        f.write(HEAD + table('Card', rows, row_attributes={8: ' table:style-name="tall"',
                                                           10: ' table:visibility="collapse"'}))
        f.write(table('Other', other) + TAIL)
    to_xls('edits.fods')


def noise_png(width, height, seed):
    x, raw = seed, b''
    for _ in range(height):
        row = bytearray([0])
        for _ in range(width * 3):
            x = (x * 1103515245 + 12345) & 0x7fffffff
            row.append((x >> 16) & 0xff)
        raw += bytes(row)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    header = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) +
            chunk(b'IEND', b''))


def pictures():
    """A picture store of over 20 KB (a 64 x 64 noise picture on Card, 48 x 48 on Notes) and
    two boxes joined by a connector on Shapes. LibreOffice writes the store as one
    MSODRAWINGGROUP with CONTINUE records; Excel starts a new MSODRAWINGGROUP after the first
    8224 bytes, which the patch below makes of the first CONTINUE."""
    def frame(x, png):
        data = base64.b64encode(png).decode()
        return ('<draw:frame svg:x="%s" svg:y="1cm" svg:width="3cm" svg:height="3cm"><draw:image>'
                '<office:binary-data>%s</office:binary-data></draw:image></draw:frame>' % (x, data))
    connected = ('<draw:rect draw:id="r1" svg:x="1cm" svg:y="1cm" svg:width="2cm" svg:height="1cm"/>'
                 '<draw:rect draw:id="r2" svg:x="5cm" svg:y="3cm" svg:width="2cm" svg:height="1cm"/>'
                 '<draw:connector draw:start-shape="r1" draw:start-glue-point="2" draw:end-shape="r2"'
                 ' draw:end-glue-point="0" svg:x1="3cm" svg:y1="1.5cm" svg:x2="5cm" svg:y2="3.5cm"/>')
    with open('pictures.fods', 'w') as f:
        f.write(HEAD + table('Card', [['Card']], frame('1cm', noise_png(64, 64, 7))))
        f.write(table('Notes', [['Notes']], frame('2cm', noise_png(48, 48, 99))))
        f.write(table('Shapes', [['Shapes']], connected) + TAIL)
    to_xls('pictures.fods')
    data = bytearray(open('pictures.xls', 'rb').read())
    first_continue = data.find(b'\x3c\x00\x20\x20')  # CONTINUE with 8224 bytes
    data[first_continue:first_continue + 2] = b'\xeb\x00'
    open('pictures.xls', 'wb').write(data)


def rows_and_styles():
    """Card: row 2 hidden, row 3 with xlwt's default-height flag (height 0x8000), row 4 30 pt,
    row 5 of zero height; A2 and A3 point at the style XFs 15 and 0 (patched: xlwt's cells use
    cell XFs). Locked: protected with the password "secret"."""
    book = xlwt.Workbook()
    sheet = book.add_sheet('Card')
    for r in range(12):
        sheet.write(r, 0, 'row %d' % (r + 1))
        sheet.write(r, 1, r + 1)
    sheet.row(1).hidden = True
    sheet.row(2).height, sheet.row(2).has_default_height = 0, 1
    sheet.row(3).height, sheet.row(3).height_mismatch = 600, 1
    sheet.row(4).height, sheet.row(4).height_mismatch = 0, 1
    locked = book.add_sheet('Locked')
    locked.write(0, 0, 'locked')
    locked.write(1, 0, 'below')
    locked.protect, locked.password = True, 'secret'
    book.save('rows-and-styles.xls')
    data = bytearray(open('rows-and-styles.xls', 'rb').read())
    for row, xf in ((1, 15), (2, 0)):
        at = data.find(struct.pack('<HHHH', 0xFD, 10, row, 0))  # the LABELSST of A(row + 1)
        data[at + 8:at + 10] = struct.pack('<H', xf)
    open('rows-and-styles.xls', 'wb').write(data)


def no_row_records():
    """Cells without ROW records: a 24-pt title and a wrapped text, whose rows Excel fits."""
    subprocess.run(['perl', '-MSpreadsheet::WriteExcel', '-e', '''
        my $book = Spreadsheet::WriteExcel->new("no-row-records.xls");
        my $sheet = $book->add_worksheet("Card");
        $sheet->write(0, 0, "Title", $book->add_format(size => 24));
        $sheet->write(1, 0, "two\\nlines", $book->add_format(text_wrap => 1));
        for my $r (2..12) { $sheet->write($r, 0, "r$r"); $sheet->write($r, 1, $r); }
        $book->close();'''], check=True)


edits()
pictures()
rows_and_styles()
no_row_records()
