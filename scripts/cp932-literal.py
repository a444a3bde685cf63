#!/usr/bin/env python3
"""Prints a UTF-8 text as a C++ string literal of its code page 932 bytes, for src/common/texts.h."""
import sys
def lit(v):
    b=v.encode('cp932'); out=''; prev_escape=False
    for c in b:
        ch=chr(c)
        if c>=0x80 or c<0x20 or c in (0x5c,0x22) or (prev_escape and ch in '0123456789abcdefABCDEF'):
            out+=f'\\x{c:02X}'; prev_escape=True
        else:
            out+=ch; prev_escape=False
    return '"'+out+'"'
if __name__=='__main__':
    print(lit(sys.argv[1]))
