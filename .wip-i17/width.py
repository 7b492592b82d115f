import importlib.util, sys
spec = importlib.util.spec_from_file_location("check", __import__("os").path.dirname(__file__) + "/check.py")
import io, contextlib
buf=io.StringIO()
with contextlib.redirect_stdout(buf):
    ck = importlib.util.module_from_spec(spec); spec.loader.exec_module(ck)
fontdat = sys.argv[1] if len(sys.argv)>1 else '/work/wt/i17/build/data/font/Calibri1/font.dat'
w=open(fontdat,'rb').read()
worst=[]
for sc,steps in sorted(ck.m.SCENES.items()):
    for st in steps:
        if st[0]!='line': continue
        for ln in ck.wrap(st[3]):
            px=sum(w[ord(c)] for c in ln)
            worst.append((px,sc,ln))
worst.sort(reverse=True)
for x in worst[:8]: print(x)
print("over 630:", sum(1 for x in worst if x[0]>630))
