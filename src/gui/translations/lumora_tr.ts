<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
    <context>
        <name>Core</name>
        <message>
            <source>The optimization is still running. Stop it and close?</source>
            <translation>Optimizasyon hâlâ çalışıyor. Durdurup kapatılsın mı?</translation>
        </message>
        <message>
            <source>Cut order</source>
            <translation>Kesim sırası</translation>
        </message>
        <message>
            <source>All dimensions</source>
            <translation>Tüm ölçüler</translation>
        </message>
        <message>
            <source>Deep optimization stopped. The best result found so far is kept.</source>
            <translation>Derin optimizasyon durduruldu. Şimdiye kadar bulunan en iyi sonuç korunur.</translation>
        </message>
        <message>
            <source>Deep optimization: starting from the standard engine's result...</source>
            <translation>Derin optimizasyon: standart motorun sonucundan başlanıyor...</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES specfied.</source>
            <translation>Geçerli CAM ÖLÇÜSÜ belirtilmedi.</translation>
        </message>
        <message>
            <source>Wrong BLADE specfied.</source>
            <translation>Yanlış BIÇAK belirtildi.</translation>
        </message>
        <message>
            <source>No valid COILS specified.</source>
            <translation>Geçerli RULO belirtilmedi.</translation>
        </message>
        <message>
            <source>No valid SHEETS specified.</source>
            <translation>Geçerli PLAKA belirtilmedi.</translation>
        </message>
        <message>
            <source>No valid GLASS SIZES.</source>
            <translation>Geçerli CAM ÖLÇÜSÜ yok.</translation>
        </message>
        <message>
            <source>Too many COILS: at most 32767 rows.</source>
            <translation>Çok fazla RULO: en çok 32767 satır.</translation>
        </message>
        <message>
            <source>Too many SHEETS: at most 32767 rows.</source>
            <translation>Çok fazla PLAKA: en çok 32767 satır.</translation>
        </message>
        <message>
            <source>Too many GLASS SIZES: at most 32767 rows.</source>
            <translation>Çok fazla CAM ÖLÇÜSÜ: en çok 32767 satır.</translation>
        </message>
        <message>
            <source>Optimization done.</source>
            <translation>Optimizasyon tamamlandı.</translation>
        </message>
        <message>
            <source>Optimization Stopped. After viewing the results, you can continue optimization from this point onwards till this file remains open.</source>
            <translation>Optimizasyon durduruldu. Sonuçları gördükten sonra, bu dosya açık kaldığı sürece optimizasyona bu noktadan devam edebilirsiniz.</translation>
        </message>
        <message>
            <source>No complete result: a result holds at most 32767 layouts and 32767 layout elements.</source>
            <translation>Tam sonuç yok: bir sonuç en çok 32767 kesim planı ve 32767 plan öğesi içerir.</translation>
        </message>
        <message>
            <source>Preparing...</source>
            <translation>Hazırlanıyor...</translation>
        </message>
        <message>
            <source>Optimizing...</source>
            <translation>Optimize ediliyor...</translation>
        </message>
        <message>
            <source>Terminating...</source>
            <translation>Sonlandırılıyor...</translation>
        </message>
        <message>
            <source>Total Layouts      Overall Yield</source>
            <translation>Toplam Plan        Genel Verim</translation>
        </message>
        <message>
            <source>Time Remaining</source>
            <translation>Kalan Süre</translation>
        </message>
        <message>
            <source>Save File...</source>
            <translation>Dosyayı Kaydet...</translation>
        </message>
        <message>
            <source>open File...</source>
            <translation>Dosya Aç...</translation>
        </message>
        <message>
            <source>Attention!</source>
            <translation>Dikkat!</translation>
        </message>
        <message>
            <source>Save changes in current file?</source>
            <translation>Geçerli dosyadaki değişiklikler kaydedilsin mi?</translation>
        </message>
        <message>
            <source>Earlier version data file detected. Set the required tolerance and optimize.</source>
            <translation>Önceki sürüme ait veri dosyası algılandı. Gerekli toleransı ayarlayıp optimize edin.</translation>
        </message>
        <message>
            <source>Current Data in Basic Details and Optimization Options will be saved as DEFAULTS. Do you want to continue?</source>
            <translation>Temel Bilgiler ve Optimizasyon Seçeneklerindeki geçerli veriler VARSAYILAN olarak kaydedilecek. Devam etmek istiyor musunuz?</translation>
        </message>
        <message>
            <source>Save Changes?</source>
            <translation>Değişiklikler kaydedilsin mi?</translation>
        </message>
        <message>
            <source>Total Glass Size Area is MORE then Total Sheet Area!</source>
            <translation>Toplam cam ölçüsü alanı toplam plaka alanından BÜYÜK!</translation>
        </message>
        <message>
            <source>Start OPTIMIZATION?</source>
            <translation>OPTİMİZASYON başlatılsın mı?</translation>
        </message>
        <message>
            <source>Alternate Arrangment for this layout is not possible</source>
            <translation>Bu kesim planı için alternatif yerleşim mümkün değil</translation>
        </message>
        <message>
            <source>Try &amp;Next Arrangement</source>
            <translation>&amp;Sonraki yerleşimi dene</translation>
        </message>
        <message>
            <source>&amp;Keep This Arrangement</source>
            <translation>Bu yerleşimi &amp;koru</translation>
        </message>
        <message>
            <source>&amp;Original Arrangement</source>
            <translation>&amp;Özgün yerleşim</translation>
        </message>
        <message>
            <source>Line Width for Printing</source>
            <translation>Yazdırmada çizgi kalınlığı</translation>
        </message>
        <message>
            <source>Basic Details List</source>
            <translation>Temel Bilgiler Listesi</translation>
        </message>
        <message>
            <source>Sheet Dimensions</source>
            <translation>Plaka Ölçüleri</translation>
        </message>
        <message>
            <source>Margin Dimensions</source>
            <translation>Kenar Payı Ölçüleri</translation>
        </message>
        <message>
            <source>Only First In Block</source>
            <translation>Blokta yalnız ilki</translation>
        </message>
        <message>
            <source>Glass Dimensions</source>
            <translation>Cam Ölçüleri</translation>
        </message>
        <message>
            <source>Glass Actual Dimensions</source>
            <translation>Gerçek Cam Ölçüleri</translation>
        </message>
        <message>
            <source>Glass Description</source>
            <translation>Cam Açıklaması</translation>
        </message>
        <message>
            <source>Glass Color</source>
            <translation>Cam Rengi</translation>
        </message>
        <message>
            <source>Balance Dimensions</source>
            <translation>Artık Parça Ölçüleri</translation>
        </message>
        <message>
            <source>Balance Boundries</source>
            <translation>Artık Parça Sınırları</translation>
        </message>
        <message>
            <source>Balance List</source>
            <translation>Artık Parça Listesi</translation>
        </message>
        <message>
            <source>What would you like to add to the existing layout?</source>
            <translation>Mevcut kesim planına ne eklemek istersiniz?</translation>
        </message>
        <message>
            <source>You have not selected any item</source>
            <translation>Hiçbir öğe seçmediniz</translation>
        </message>
        <message>
            <source>Delete / Resize Existing Balance</source>
            <translation>Mevcut artık parçayı sil / boyutlandır</translation>
        </message>
        <message>
            <source>Delete / Move Existing Glass-Piece</source>
            <translation>Mevcut cam parçasını sil / taşı</translation>
        </message>
        <message>
            <source>Delete / Modify Existing Balance</source>
            <translation>Mevcut artık parçayı sil / değiştir</translation>
        </message>
        <message>
            <source>Define Position &amp; Size of New Balance</source>
            <translation>Yeni artık parçanın konumunu ve boyutunu belirle</translation>
        </message>
        <message>
            <source>Define Position &amp; Orientation of New Glass-Piece</source>
            <translation>Yeni cam parçasının konumunu ve yönünü belirle</translation>
        </message>
        <message>
            <source>Move</source>
            <translation>Taşı</translation>
        </message>
        <message>
            <source>Modify</source>
            <translation>Değiştir</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Ekle</translation>
        </message>
        <message>
            <source>Note:</source>
            <translation>Not:</translation>
        </message>
        <message>
            <source>XS and YS are Coordinates of the LEFT-TOP corner</source>
            <translation>XS ve YS SOL-ÜST köşenin koordinatlarıdır</translation>
        </message>
        <message>
            <source>DIM-X (Horizontal) and DIM-Y (Vertical) are the Dimensions</source>
            <translation>DIM-X (yatay) ve DIM-Y (dikey) ölçülerdir</translation>
        </message>
        <message>
            <source>ORN  (1 or 2) is the Orientation</source>
            <translation>ORN  (1 veya 2) yöndür</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Sil</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Boyutlandır</translation>
        </message>
        <message>
            <source>In order to edit the layout current unit need to be MM, Change now ?</source>
            <translation>Kesim planını düzenlemek için birim MM olmalı. Şimdi değiştirilsin mi?</translation>
        </message>
        <message>
            <source>This file was not optimized.</source>
            <translation>Bu dosya optimize edilmedi.</translation>
        </message>
        <message>
            <source>Material specified was not found in stock. Do you want select item from the stock ?</source>
            <translation>Belirtilen malzeme stokta bulunamadı. Stoktan bir malzeme seçmek ister misiniz?</translation>
        </message>
        <message>
            <source>Sheet Library is empty</source>
            <translation>Plaka kitaplığı boş</translation>
        </message>
        <message>
            <source>Update Material Library?</source>
            <translation>Malzeme kitaplığı güncellensin mi?</translation>
        </message>
        <message>
            <source>Material Library Updated!</source>
            <translation>Malzeme kitaplığı güncellendi!</translation>
        </message>
        <message>
            <source>Layout and position</source>
            <translation>Plan ve konum</translation>
        </message>
        <message>
            <source>Code</source>
            <translation>Kod</translation>
        </message>
        <message>
            <source>Recover the job you were working on?</source>
            <translation>Üzerinde çalıştığınız iş kurtarılsın mı?</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Cam Listesini İçe Aktar</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Stok Listesini İçe Aktar</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Dışa Aktar</translation>
        </message>
        <message>
            <source>Export DXF</source>
            <translation>DXF Olarak Aktar</translation>
        </message>
        <message>
            <source>Excel Workbook</source>
            <translation>Excel Çalışma Kitabı</translation>
        </message>
        <message>
            <source>CSV (Comma delimited)</source>
            <translation>CSV (virgülle ayrılmış)</translation>
        </message>
        <message>
            <source>Lists</source>
            <translation>Listeler</translation>
        </message>
        <message>
            <source>All Files</source>
            <translation>Tüm Dosyalar</translation>
        </message>
        <message>
            <source>DXF drawings</source>
            <translation>DXF çizimleri</translation>
        </message>
        <message>
            <source>Overall Yield (%)</source>
            <translation>Genel Verim (%)</translation>
        </message>
        <message>
            <source>Total Layouts</source>
            <translation>Toplam Kesim Planı</translation>
        </message>
        <message>
            <source>Profit</source>
            <translation>Kâr</translation>
        </message>
        <message>
            <source>ITEM</source>
            <translation>MALZEME</translation>
        </message>
        <message>
            <source>ADDRESS</source>
            <translation>ADRES</translation>
        </message>
        <message>
            <source>MAT</source>
            <translation>MLZ</translation>
        </message>
        <message>
            <source>GRADE</source>
            <translation>KALİTE</translation>
        </message>
        <message>
            <source>LAYOUT</source>
            <translation>PLAN</translation>
        </message>
        <message>
            <source>ROWS</source>
            <translation>SATIR</translation>
        </message>
        <message>
            <source>COLS</source>
            <translation>SÜTUN</translation>
        </message>
        <message>
            <source>THICK</source>
            <translation>KALINLIK</translation>
        </message>
        <message>
            <source>KERF</source>
            <translation>KESİM PAYI</translation>
        </message>
        <message>
            <source>BLADE</source>
            <translation>BIÇAK</translation>
        </message>
        <message>
            <source>LENGTH</source>
            <translation>UZUNLUK</translation>
        </message>
        <message>
            <source>WIDTH</source>
            <translation>GENİŞLİK</translation>
        </message>
        <message>
            <source>QTY</source>
            <translation>ADET</translation>
        </message>
        <message>
            <source>TAG</source>
            <translation>ETİKET</translation>
        </message>
        <message>
            <source>CUSTOMER</source>
            <translation>MÜŞTERİ</translation>
        </message>
        <message>
            <source>PRODUCT</source>
            <translation>ÜRÜN</translation>
        </message>
        <message>
            <source>SITE</source>
            <translation>ŞANTİYE</translation>
        </message>
        <message>
            <source>REF</source>
            <translation>REF</translation>
        </message>
        <message>
            <source>FROM</source>
            <translation>KAYNAK</translation>
        </message>
        <message>
            <source>PRODUCTS</source>
            <translation>ÜRÜNLER</translation>
        </message>
        <message>
            <source>DENSITY</source>
            <translation>YOĞUNLUK</translation>
        </message>
        <message>
            <source>NOTE</source>
            <translation>NOT</translation>
        </message>
        <message>
            <source>REPORT</source>
            <translation>RAPOR</translation>
        </message>
        <message>
            <source>UNIT</source>
            <translation>BİRİM</translation>
        </message>
        <message>
            <source>Paste from clipboard ?</source>
            <translation>Panodan yapıştırılsın mı?</translation>
        </message>
        <message>
            <source>You are trying to change data. You need to optimize again. 

Continue?</source>
            <translation>Verileri değiştiriyorsunuz. Yeniden optimize etmeniz gerekecek. 

Devam edilsin mi?</translation>
        </message>
        <message>
            <source>Sr No</source>
            <translation>Sıra</translation>
        </message>
        <message>
            <source>Use leftovers first</source>
            <translation>Önce artık parçaları kullan</translation>
        </message>
        <message>
            <source>Keep one leftover</source>
            <translation>Bir artık parça sakla</translation>
        </message>
        <message>
            <source>Breakout numbers</source>
            <translation>Ayırma numaraları</translation>
        </message>
        <message>
            <source>Labels in breakout order</source>
            <translation>Etiketler ayırma sırasında</translation>
        </message>
        <message>
            <source>Rack and slot on labels</source>
            <translation>Etiketlerde sehpa ve yuva</translation>
        </message>
        <message>
            <source>Density Table</source>
            <translation>Yoğunluk tablosu</translation>
        </message>
        <message>
            <source>Rack Library</source>
            <translation>Sehpa kitaplığı</translation>
        </message>
        <message>
            <source>RACK</source>
            <translation>SEHPA</translation>
        </message>
        <message>
            <source>SLOTS</source>
            <translation>YUVALAR</translation>
        </message>
        <message>
            <source>PIECES</source>
            <translation>PARÇALAR</translation>
        </message>
        <message>
            <source>LOAD (KG)</source>
            <translation>YÜK (KG)</translation>
        </message>
        <message>
            <source>L1 (MM)</source>
            <translation>L1 (MM)</translation>
        </message>
        <message>
            <source>L2 (MM)</source>
            <translation>L2 (MM)</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Sehpa planı</translation>
        </message>
        <message>
            <source>Racks</source>
            <translation>Sehpalar</translation>
        </message>
        <message>
            <source>Not Racked</source>
            <translation>Sehpaya konmayan</translation>
        </message>
        <message>
            <source>Rack</source>
            <translation>Sehpa</translation>
        </message>
        <message>
            <source>Slot</source>
            <translation>Yuva</translation>
        </message>
        <message>
            <source>In Slot</source>
            <translation>Yuvada</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Neden</translation>
        </message>
        <message>
            <source>Slots</source>
            <translation>Yuvalar</translation>
        </message>
        <message>
            <source>Slots Used</source>
            <translation>Kullanılan yuvalar</translation>
        </message>
        <message>
            <source>Pieces</source>
            <translation>Parçalar</translation>
        </message>
        <message>
            <source>Load(kg)</source>
            <translation>Yük(kg)</translation>
        </message>
        <message>
            <source>Most Load(kg)</source>
            <translation>En çok yük(kg)</translation>
        </message>
        <message>
            <source>No.</source>
            <translation>No.</translation>
        </message>
        <message>
            <source>Layout No.</source>
            <translation>Yerleşim No.</translation>
        </message>
        <message>
            <source>Sheet</source>
            <translation>Plaka</translation>
        </message>
        <message>
            <source>Breakout</source>
            <translation>Ayırma</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Konum</translation>
        </message>
        <message>
            <source>Customer</source>
            <translation>Müşteri</translation>
        </message>
        <message>
            <source>Sr.No</source>
            <translation>Sıra No</translation>
        </message>
        <message>
            <source>Weight(kg)</source>
            <translation>Ağırlık(kg)</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).

Start it now?</source>
            <translation>Bu işin hataları, yığınları veya kesim hattı kuralları var: derin optimizasyon gerekir (Shift+F5).

Şimdi başlatılsın mı?</translation>
        </message>
        <message>
            <source>This job has flaws, stacks or cutting line rules: it needs Deep Optimization (Shift+F5).</source>
            <translation>Bu işin hataları, yığınları veya kesim hattı kuralları var: derin optimizasyon gerekir (Shift+F5).</translation>
        </message>
        <message>
            <source>Choose the row of the sheets whose flaws you want to edit.</source>
            <translation>Hatalarını düzenlemek istediğiniz plakaların satırını seçin.</translation>
        </message>
        <message>
            <source>Sheet(s) Utilization Summary</source>
            <translation>Plaka Kullanım Özeti</translation>
        </message>
        <message>
            <source>Glass Size(s) Summary</source>
            <translation>Cam Ölçüleri Özeti</translation>
        </message>
        <message>
            <source>Cost &amp; Area Summary</source>
            <translation>Maliyet ve Alan Özeti</translation>
        </message>
        <message>
            <source>Overall Yield(%)</source>
            <translation>Genel Verim(%)</translation>
        </message>
        <message>
            <source>Sheet Size</source>
            <translation>Plaka Ölçüsü</translation>
        </message>
        <message>
            <source>Glass Sizes</source>
            <translation>Cam Ölçüleri</translation>
        </message>
        <message>
            <source>Yield(%)</source>
            <translation>Verim(%)</translation>
        </message>
        <message>
            <source>TOTAL</source>
            <translation>TOPLAM</translation>
        </message>
        <message>
            <source>Item:</source>
            <translation>Malzeme:</translation>
        </message>
        <message>
            <source>Unit:</source>
            <translation>Birim:</translation>
        </message>
        <message>
            <source>Qty</source>
            <translation>Adet</translation>
        </message>
        <message>
            <source>Pcs</source>
            <translation>adet</translation>
        </message>
        <message>
            <source>Area</source>
            <translation>Alan</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Artıklar</translation>
        </message>
        <message>
            <source>Wastage</source>
            <translation>Fire</translation>
        </message>
        <message>
            <source>Entity</source>
            <translation>Kalem</translation>
        </message>
        <message>
            <source>POS</source>
            <translation>KON</translation>
        </message>
        <message>
            <source>SLOT</source>
            <translation>YUVA</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>Dosya:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Tarih:</translation>
        </message>
        <message>
            <source>%1 missing in sheet number (%2), Proceed?</source>
            <translation>%2 numaralı plakada %1 eksik. Devam edilsin mi?</translation>
        </message>
        <message>
            <source>%1 missing in glass size (%2), Proceed?</source>
            <translation>%2 numaralı cam ölçüsünde %1 eksik. Devam edilsin mi?</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>%1 açılamadı: %2</translation>
        </message>
        <message>
            <source>Could not save %1: %2</source>
            <translation>%1 kaydedilemedi: %2</translation>
        </message>
        <message>
            <source>Could not read %1</source>
            <translation>%1 okunamadı</translation>
        </message>
        <message>
            <source>%1 holds no rack.</source>
            <translation>%1 hiç sehpa içermiyor.</translation>
        </message>
        <message>
            <source>%1 has no density for %2: its weights are 0.</source>
            <translation>%1 içinde %2 için yoğunluk yok: ağırlıkları 0.</translation>
        </message>
        <message>
            <source>Too many pieces: more than %1.</source>
            <translation>Çok fazla parça: %1 adetten fazla.</translation>
        </message>
        <message>
            <source>The layout file is damaged: %1</source>
            <translation>Kesim planı dosyası bozuk: %1</translation>
        </message>
        <message>
            <source>SR.NO</source>
            <translation>SIRA NO</translation>
        </message>
        <message>
            <source>A/C</source>
            <translation>HESAP</translation>
        </message>
    </context>
    <context>
        <name>Startup</name>
        <message>
            <source>Plans guillotine cuts of glass pieces from stock sheets.</source>
            <translation>Stok plakalardan cam parçalarının giyotin kesimlerini planlar.</translation>
        </message>
        <message>
            <source>The data folder to use.</source>
            <translation>Kullanılacak veri klasörü.</translation>
        </message>
        <message>
            <source>The language of this run (en, de, it, es, fr, tr).</source>
            <translation>Bu çalıştırmanın dili (en, de, it, es, fr, tr).</translation>
        </message>
        <message>
            <source>A job file to open.</source>
            <translation>Açılacak bir iş dosyası.</translation>
        </message>
        <message>
            <source>%1 is already running</source>
            <translation>%1 zaten çalışıyor</translation>
        </message>
    </context>
    <context>
        <name>lumora::AboutWindow</name>
        <message>
            <source>%1 version %2</source>
            <translation>%1 sürüm %2</translation>
        </message>
        <message>
            <source>About </source>
            <translation>Hakkında: </translation>
        </message>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Cam atölyeleri için giyotin kesim planları</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Tamam</translation>
        </message>
    </context>
    <context>
        <name>lumora::AddNewDialog</name>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>Next</source>
            <translation>İleri</translation>
        </message>
    </context>
    <context>
        <name>lumora::BalanceWindow</name>
        <message>
            <source>Export</source>
            <translation>Dışa Aktar</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Artık Parça ve Fire Tablosu</translation>
        </message>
    </context>
    <context>
        <name>lumora::BasicDetailsWindow</name>
        <message>
            <source>Select I&amp;tem</source>
            <translation>Ma&amp;lzeme seç</translation>
        </message>
    </context>
    <context>
        <name>lumora::BrokenPiecesDialog</name>
        <message>
            <source>Recut</source>
            <translation>Yeniden kes</translation>
        </message>
        <message>
            <source>Broken Pieces</source>
            <translation>Kırılan parçalar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>Select the pieces that broke: they go into a new job, cut from the library's leftovers first.</source>
            <translation>Kırılan parçaları seçin: yeni bir işe alınır, önce kitaplığın artık parçalarından kesilir.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChargeableSizeWindow</name>
        <message>
            <source>Done</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>Chargeable Size Definition</source>
            <translation>Ücretlendirilen Ölçü Tanımı</translation>
        </message>
    </context>
    <context>
        <name>lumora::ChildWindowPlaces</name>
        <message>
            <source>&amp;Tile</source>
            <translation>&amp;Döşe</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>&amp;Basamakla</translation>
        </message>
    </context>
    <context>
        <name>lumora::ConfigureWindow</name>
        <message>
            <source>Configure</source>
            <translation>Yapılandır</translation>
        </message>
        <message>
            <source>Chargeable Size</source>
            <translation>Ücretlendirilen Ölçü</translation>
        </message>
        <message>
            <source>Scrap Criteria</source>
            <translation>Fire Ölçütleri</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Etiketler</translation>
        </message>
        <message>
            <source>Misc</source>
            <translation>Diğer</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Kapat</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Dil</translation>
        </message>
        <message>
            <source>The language applies at the next start.</source>
            <translation>Dil bir sonraki açılışta geçerli olur.</translation>
        </message>
        <message>
            <source>Print in the chosen language</source>
            <translation>Seçilen dilde yazdır</translation>
        </message>
        <message>
            <source>The field captions of printed labels; the files stay in English</source>
            <translation>Yazdırılan etiketlerin alan başlıkları; dosyalar İngilizce kalır</translation>
        </message>
    </context>
    <context>
        <name>lumora::CuttingLineWindow</name>
        <message>
            <source>no limit</source>
            <translation>sınır yok</translation>
        </message>
        <message>
            <source>Cutting Line</source>
            <translation>Kesim hattı</translation>
        </message>
        <message>
            <source>Cut this job on the cutting line</source>
            <translation>Bu iş kesim hattında kesilsin</translation>
        </message>
        <message>
            <source>2 stages</source>
            <translation>2 aşama</translation>
        </message>
        <message>
            <source>3 stages</source>
            <translation>3 aşama</translation>
        </message>
        <message>
            <source>3 stages and a trim cut</source>
            <translation>3 aşama ve bir kenar kesimi</translation>
        </message>
        <message>
            <source>Unlimited</source>
            <translation>Sınırsız</translation>
        </message>
        <message>
            <source>&amp;Stages:</source>
            <translation>&amp;Aşamalar:</translation>
        </message>
        <message>
            <source>Vertical (strips side by side)</source>
            <translation>Dikey (şeritler yan yana)</translation>
        </message>
        <message>
            <source>Horizontal (strips one above another)</source>
            <translation>Yatay (şeritler üst üste)</translation>
        </message>
        <message>
            <source>&amp;First cut:</source>
            <translation>İ&amp;lk kesim:</translation>
        </message>
        <message>
            <source>Strip width, l&amp;east:</source>
            <translation>Şerit genişliği, en a&amp;z:</translation>
        </message>
        <message>
            <source>Strip width, &amp;most:</source>
            <translation>Şerit genişliği, en ç&amp;ok:</translation>
        </message>
        <message>
            <source>&amp;Row height, least:</source>
            <translation>&amp;Sıra yüksekliği, en az:</translation>
        </message>
        <message>
            <source>&amp;Waste width, least:</source>
            <translation>&amp;Fire genişliği, en az:</translation>
        </message>
        <message>
            <source>&amp;Cuts may pass through flaws</source>
            <translation>&amp;Kesimler hatalardan geçebilir</translation>
        </message>
        <message>
            <source>Sheets are used in their listed &amp;order</source>
            <translation>Plakalar listelenen &amp;sırayla kullanılır</translation>
        </message>
    </context>
    <context>
        <name>lumora::DiaSettingsWindow</name>
        <message>
            <source>Apply</source>
            <translation>Uygula</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Kesim Planı Ayarları</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Kesim planı</translation>
        </message>
        <message>
            <source>Printout</source>
            <translation>Çıktı</translation>
        </message>
    </context>
    <context>
        <name>lumora::FlawEditorWindow</name>
        <message>
            <source>SHEET</source>
            <translation>PLAKA</translation>
        </message>
        <message>
            <source>X (MM)</source>
            <translation>X (MM)</translation>
        </message>
        <message>
            <source>Y (MM)</source>
            <translation>Y (MM)</translation>
        </message>
        <message>
            <source>W (MM)</source>
            <translation>G (MM)</translation>
        </message>
        <message>
            <source>H (MM)</source>
            <translation>Y (MM)</translation>
        </message>
        <message>
            <source>Flaws of Sheet Row %1</source>
            <translation>Plaka satırı %1 hataları</translation>
        </message>
        <message>
            <source>Sheet </source>
            <translation>Plaka </translation>
        </message>
        <message>
            <source> of %1</source>
            <translation> / %1</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Sil</translation>
        </message>
        <message>
            <source>Drag on the sheet to add a flaw; Delete removes the selected one.</source>
            <translation>Hata eklemek için plaka üzerinde sürükleyin; Delete seçileni siler.</translation>
        </message>
    </context>
    <context>
        <name>lumora::GlassWindow</name>
        <message>
            <source>ORN 1: glass L1 along the coil's L1</source>
            <translation>ORN 1: cam L1, rulonun L1'i boyunca</translation>
        </message>
        <message>
            <source>ORN 1: glass L1 along the sheet's L1</source>
            <translation>ORN 1: cam L1, plakanın L1'i boyunca</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the coil's L2</source>
            <translation>ORN 2: cam L1, rulonun L2'si boyunca</translation>
        </message>
        <message>
            <source>ORN 2: glass L1 along the sheet's L2</source>
            <translation>ORN 2: cam L1, plakanın L2'si boyunca</translation>
        </message>
        <message>
            <source>Total QTY:</source>
            <translation>Toplam adet:</translation>
        </message>
        <message>
            <source>Stack of Glass Row %1</source>
            <translation>Cam satırı %1 yığını</translation>
        </message>
        <message>
            <source>in grid order</source>
            <translation>tablo sırasıyla</translation>
        </message>
        <message>
            <source>&amp;Stack (empty for none):</source>
            <translation>&amp;Yığın (yoksa boş):</translation>
        </message>
        <message>
            <source>&amp;Place in the stack:</source>
            <translation>Yığındaki &amp;yeri:</translation>
        </message>
        <message>
            <source>Stack...</source>
            <translation>Yığın...</translation>
        </message>
        <message>
            <source>The stack the current row's pieces go to, and their place in it</source>
            <translation>Geçerli satırın parçalarının gittiği yığın ve içindeki yerleri</translation>
        </message>
        <message>
            <source>Stack: %1%2</source>
            <translation>Yığın: %1%2</translation>
        </message>
        <message>
            <source>, place %1</source>
            <translation>, yer %1</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridToolBar</name>
        <message>
            <source>Export to Spreadsheet...</source>
            <translation>Hesap tablosuna aktar...</translation>
        </message>
        <message>
            <source>Sort Ascending</source>
            <translation>Artan sırala</translation>
        </message>
        <message>
            <source>Sort Descending</source>
            <translation>Azalan sırala</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Yazdır</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Baskı Önizleme</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Kopyala</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Yapıştır</translation>
        </message>
    </context>
    <context>
        <name>lumora::GridWidget</name>
        <message>
            <source>Print Preview</source>
            <translation>Baskı Önizleme</translation>
        </message>
    </context>
    <context>
        <name>lumora::ItemChoiceWindow</name>
        <message>
            <source>Select</source>
            <translation>Seç</translation>
        </message>
        <message>
            <source>Item Choice</source>
            <translation>Malzeme Seçimi</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobExchange</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Cam listesini içe aktar...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Stok listesini içe aktar...</translation>
        </message>
        <message>
            <source>Export...</source>
            <translation>Dışa aktar...</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>&amp;Pencere</translation>
        </message>
    </context>
    <context>
        <name>lumora::JobGridWindow</name>
        <message>
            <source>Import Glass List...</source>
            <translation>Cam listesini içe aktar...</translation>
        </message>
        <message>
            <source>Import Stock List...</source>
            <translation>Stok listesini içe aktar...</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Temel Bilgiler</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Rulo Özellikleri</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Plaka Özellikleri</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Cam Ölçüsü Özellikleri</translation>
        </message>
        <message>
            <source>     Unit: </source>
            <translation>     Birim: </translation>
        </message>
    </context>
    <context>
        <name>lumora::LabelsWindow</name>
        <message>
            <source>Rows of labels on a page</source>
            <translation>Bir sayfadaki etiket satırları</translation>
        </message>
        <message>
            <source>Labels side by side in a row</source>
            <translation>Bir satırda yan yana etiketler</translation>
        </message>
        <message>
            <source>Horizontal start: the character column where the first label of a row begins (1 is the left edge)</source>
            <translation>Yatay başlangıç: bir satırın ilk etiketinin başladığı karakter sütunu (1 sol kenardır)</translation>
        </message>
        <message>
            <source>Horizontal pitch: characters from the start of one label to the start of the next</source>
            <translation>Yatay aralık: bir etiketin başından sonrakinin başına kadar karakter sayısı</translation>
        </message>
        <message>
            <source>Vertical start: empty lines at the top of every page</source>
            <translation>Dikey başlangıç: her sayfanın üstündeki boş satırlar</translation>
        </message>
        <message>
            <source>Vertical pitch: empty lines after every row of labels</source>
            <translation>Dikey aralık: her etiket satırından sonraki boş satırlar</translation>
        </message>
        <message>
            <source>Define Labels</source>
            <translation>Etiketleri Tanımla</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Kapat</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Etiketleri Yazdır</translation>
        </message>
    </context>
    <context>
        <name>lumora::Launcher</name>
        <message>
            <source>Guillotine cutting plans for glass shops</source>
            <translation>Cam atölyeleri için giyotin kesim planları</translation>
        </message>
        <message>
            <source>Base Module</source>
            <translation>Temel Modül</translation>
        </message>
        <message>
            <source>S D R</source>
            <translation>S D R</translation>
        </message>
        <message>
            <source>Strandor</source>
            <translation>Strandor</translation>
        </message>
        <message>
            <source>M L M</source>
            <translation>M L M</translation>
        </message>
        <message>
            <source>Material Library Manager</source>
            <translation>Malzeme Kitaplığı Yöneticisi</translation>
        </message>
        <message>
            <source>P L M</source>
            <translation>P L M</translation>
        </message>
        <message>
            <source>Product Library Manager</source>
            <translation>Ürün Kitaplığı Yöneticisi</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Ürünleri Yükle</translation>
        </message>
        <message>
            <source>Configure</source>
            <translation>Yapılandır</translation>
        </message>
        <message>
            <source>Modify Settings</source>
            <translation>Ayarları Değiştir</translation>
        </message>
        <message>
            <source>About...</source>
            <translation>Hakkında...</translation>
        </message>
        <message>
            <source>About LUMORA</source>
            <translation>LUMORA Hakkında</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Çıkış</translation>
        </message>
        <message>
            <source>Close LUMORA</source>
            <translation>LUMORA'yı kapat</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutEditing</name>
        <message>
            <source>Undo</source>
            <translation>Geri al</translation>
        </message>
        <message>
            <source>Undo the last change of the layouts (Ctrl+Z)</source>
            <translation>Kesim planlarındaki son değişikliği geri al (Ctrl+Z)</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Yinele</translation>
        </message>
        <message>
            <source>Redo the change undone (Ctrl+Shift+Z)</source>
            <translation>Geri alınan değişikliği yinele (Ctrl+Shift+Z)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LayoutsWindow</name>
        <message>
            <source>Stretch</source>
            <translation>Uzat</translation>
        </message>
        <message>
            <source>Stretch the layout to the height of the view</source>
            <translation>Kesim planını görünümün yüksekliğine uzat</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Yazdır</translation>
        </message>
        <message>
            <source>Print Layouts</source>
            <translation>Kesim planlarını yazdır</translation>
        </message>
        <message>
            <source>Labels</source>
            <translation>Etiketler</translation>
        </message>
        <message>
            <source>Print Labels</source>
            <translation>Etiketleri Yazdır</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Ayarlar</translation>
        </message>
        <message>
            <source>Layout Settings</source>
            <translation>Kesim Planı Ayarları</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Düzenle</translation>
        </message>
        <message>
            <source>Edit Layout</source>
            <translation>Kesim planını düzenle</translation>
        </message>
        <message>
            <source>Alternate</source>
            <translation>Alternatif</translation>
        </message>
        <message>
            <source>Alternate Arrangement</source>
            <translation>Alternatif Yerleşim</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Kesim Planları</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Sığdır</translation>
        </message>
        <message>
            <source>Back to the whole sheet (Ctrl + wheel, + and - zoom)</source>
            <translation>Tüm plakaya dön (Ctrl + tekerlek, + ve - yakınlaştırır)</translation>
        </message>
        <message>
            <source>Preview</source>
            <translation>Önizleme</translation>
        </message>
        <message>
            <source>Print Preview of every layout</source>
            <translation>Her kesim planının baskı önizlemesi</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>Baskı Önizleme</translation>
        </message>
        <message>
            <source>Labels Preview</source>
            <translation>Etiket Önizleme</translation>
        </message>
        <message>
            <source>Print Preview of the labels</source>
            <translation>Etiketlerin baskı önizlemesi</translation>
        </message>
        <message>
            <source>Export DXF...</source>
            <translation>DXF olarak aktar...</translation>
        </message>
        <message>
            <source>Write every layout into one DXF drawing</source>
            <translation>Tüm kesim planlarını tek bir DXF çizimine yaz</translation>
        </message>
        <message>
            <source>Broken...</source>
            <translation>Kırılanlar...</translation>
        </message>
        <message>
            <source>Cut broken pieces again in a new job (Ctrl+click marks a piece on the drawing)</source>
            <translation>Kırılan parçaları yeni bir işte yeniden kes (Ctrl+tık çizimde bir parçayı işaretler)</translation>
        </message>
    </context>
    <context>
        <name>lumora::LibraryWindow</name>
        <message>
            <source>Done</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Güncelle</translation>
        </message>
    </context>
    <context>
        <name>lumora::ListImportDialog</name>
        <message>
            <source>The first line names the columns</source>
            <translation>İlk satır sütunları adlandırır</translation>
        </message>
        <message>
            <source>Import Glass List</source>
            <translation>Cam Listesini İçe Aktar</translation>
        </message>
        <message>
            <source>Import Stock List</source>
            <translation>Stok Listesini İçe Aktar</translation>
        </message>
        <message>
            <source>Lengths in</source>
            <translation>Uzunluk birimi</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(yok)</translation>
        </message>
        <message>
            <source>%L1 rows to import.</source>
            <translation>İçe aktarılacak %L1 satır.</translation>
        </message>
        <message>
            <source>%L1 rows to import. Lines that do not fit:
%2</source>
            <translation>İçe aktarılacak %L1 satır. Uymayan satırlar:
%2</translation>
        </message>
    </context>
    <context>
        <name>lumora::LoadProductsWindow</name>
        <message>
            <source>Load</source>
            <translation>Yükle</translation>
        </message>
        <message>
            <source>Load Products</source>
            <translation>Ürünleri Yükle</translation>
        </message>
        <message>
            <source>Base name of the job files</source>
            <translation>İş dosyalarının temel adı</translation>
        </message>
        <message>
            <source>Make '.opt' files</source>
            <translation>'.opt' dosyaları oluştur</translation>
        </message>
        <message>
            <source>File name</source>
            <translation>Dosya adı</translation>
        </message>
    </context>
    <context>
        <name>lumora::MainWindow</name>
        <message>
            <source>Coi&amp;l Specifications</source>
            <translation>Ru&amp;lo Özellikleri</translation>
        </message>
        <message>
            <source>Basic Details</source>
            <translation>Temel Bilgiler</translation>
        </message>
        <message>
            <source>Coil Specifications</source>
            <translation>Rulo Özellikleri</translation>
        </message>
        <message>
            <source>Sheet Specifications</source>
            <translation>Plaka Özellikleri</translation>
        </message>
        <message>
            <source>Glass Size Specifications</source>
            <translation>Cam Ölçüsü Özellikleri</translation>
        </message>
        <message>
            <source>Report</source>
            <translation>Rapor</translation>
        </message>
        <message>
            <source>Layouts</source>
            <translation>Kesim Planları</translation>
        </message>
        <message>
            <source>Balance And Scrap Table</source>
            <translation>Artık Parça ve Fire Tablosu</translation>
        </message>
        <message>
            <source>Written: </source>
            <translation>Yazıldı: </translation>
        </message>
        <message>
            <source>Deep Optimization</source>
            <translation>Derin Optimizasyon</translation>
        </message>
        <message>
            <source>Time limit in seconds (the best result found by then is kept):</source>
            <translation>Saniye cinsinden süre sınırı (o ana kadar bulunan en iyi sonuç korunur):</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Dosya</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <translation>&amp;Yeni</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Aç...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Kaydet</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>&amp;Farklı kaydet...</translation>
        </message>
        <message>
            <source>Save As Defaults</source>
            <translation>Varsayılan olarak kaydet</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>Çı&amp;kış</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>Düz&amp;enle</translation>
        </message>
        <message>
            <source>&amp;Basic Details</source>
            <translation>&amp;Temel Bilgiler</translation>
        </message>
        <message>
            <source>&amp;Sheet Specifications</source>
            <translation>&amp;Plaka Özellikleri</translation>
        </message>
        <message>
            <source>&amp;Glass Size Specifications</source>
            <translation>&amp;Cam Ölçüsü Özellikleri</translation>
        </message>
        <message>
            <source>&amp;Optimize</source>
            <translation>&amp;Optimize Et</translation>
        </message>
        <message>
            <source>&amp;Start Optimization</source>
            <translation>Optimizasyonu &amp;Başlat</translation>
        </message>
        <message>
            <source>Maximum Yield</source>
            <translation>En Yüksek Verim</translation>
        </message>
        <message>
            <source>Minimum Layouts</source>
            <translation>En Az Kesim Planı</translation>
        </message>
        <message>
            <source>&amp;Deep Optimization...</source>
            <translation>&amp;Derin Optimizasyon...</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Görünüm</translation>
        </message>
        <message>
            <source>&amp;Report</source>
            <translation>&amp;Rapor</translation>
        </message>
        <message>
            <source>&amp;Layouts</source>
            <translation>&amp;Kesim Planları</translation>
        </message>
        <message>
            <source>&amp;Balance And Scrap Table</source>
            <translation>&amp;Artık Parça ve Fire Tablosu</translation>
        </message>
        <message>
            <source>&amp;Tools</source>
            <translation>&amp;Araçlar</translation>
        </message>
        <message>
            <source>&amp;Unit Conversion Tool</source>
            <translation>&amp;Birim Dönüştürme Aracı</translation>
        </message>
        <message>
            <source>&amp;Density Table</source>
            <translation>&amp;Yoğunluk Tablosu</translation>
        </message>
        <message>
            <source>Change Unit to &amp;IN</source>
            <translation>Birimi &amp;IN yap</translation>
        </message>
        <message>
            <source>Change Unit to &amp;MM</source>
            <translation>Birimi &amp;MM yap</translation>
        </message>
        <message>
            <source>Define &amp;Labels...</source>
            <translation>&amp;Etiketleri Tanımla...</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Yardım</translation>
        </message>
        <message>
            <source>&amp;Lumora Help</source>
            <translation>&amp;Lumora Yardımı</translation>
        </message>
        <message>
            <source>&amp;About LUMORA</source>
            <translation>LUMORA &amp;Hakkında</translation>
        </message>
        <message>
            <source>Toolbar</source>
            <translation>Araç Çubuğu</translation>
        </message>
        <message>
            <source>New FIle</source>
            <translation>Yeni Dosya</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>Dosya Aç</translation>
        </message>
        <message>
            <source>Save File</source>
            <translation>Dosyayı Kaydet</translation>
        </message>
        <message>
            <source>Start Optimization</source>
            <translation>Optimizasyonu Başlat</translation>
        </message>
        <message>
            <source>Change Unit to IN</source>
            <translation>Birimi IN yap</translation>
        </message>
        <message>
            <source>Change Unit to MM</source>
            <translation>Birimi MM yap</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Sehpa planı</translation>
        </message>
        <message>
            <source>Cutting &amp;Line...</source>
            <translation>Kesim &amp;hattı...</translation>
        </message>
        <message>
            <source>Rack &amp;Plan</source>
            <translation>Sehpa &amp;planı</translation>
        </message>
    </context>
    <context>
        <name>lumora::ManualWindow</name>
        <message>
            <source>Lumora Help</source>
            <translation>Lumora Yardımı</translation>
        </message>
        <message>
            <source>No web browser could show the manual; it is here as well as in the folder </source>
            <translation>Hiçbir web tarayıcısı kılavuzu gösteremedi; kılavuz burada ve şu klasörde: </translation>
        </message>
        <message>
            <source> (index.html is its first page).</source>
            <translation> (ilk sayfası index.html).</translation>
        </message>
    </context>
    <context>
        <name>lumora::MaterialLibraryWindow</name>
        <message>
            <source>Material Library Manager</source>
            <translation>Malzeme Kitaplığı Yöneticisi</translation>
        </message>
    </context>
    <context>
        <name>lumora::MiscWindow</name>
        <message>
            <source>Misc</source>
            <translation>Diğer</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProductLibraryWindow</name>
        <message>
            <source>Product Library Manager</source>
            <translation>Ürün Kitaplığı Yöneticisi</translation>
        </message>
    </context>
    <context>
        <name>lumora::ProgressWindow</name>
        <message>
            <source>Stop</source>
            <translation>Durdur</translation>
        </message>
        <message>
            <source>Time Elapsed</source>
            <translation>Geçen Süre</translation>
        </message>
        <message>
            <source>Total Time</source>
            <translation>Toplam Süre</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>Search steps:</source>
            <translation>Arama adımları:</translation>
        </message>
        <message>
            <source>Passes to go / improvements:</source>
            <translation>Kalan geçiş / iyileştirme:</translation>
        </message>
    </context>
    <context>
        <name>lumora::RackPlanWindow</name>
        <message>
            <source>Rack Library...</source>
            <translation>Sehpa kitaplığı...</translation>
        </message>
        <message>
            <source>Rack Plan</source>
            <translation>Sehpa planı</translation>
        </message>
        <message>
            <source>%1 pieces in breakout order: %2 in racks, %3 not racked.</source>
            <translation>Ayırma sırasında %1 parça: %2 sehpada, %3 sehpaya konmadı.</translation>
        </message>
    </context>
    <context>
        <name>lumora::ReportWindow</name>
        <message>
            <source>Report</source>
            <translation>Rapor</translation>
        </message>
    </context>
    <context>
        <name>lumora::ScrapCriteriaWindow</name>
        <message>
            <source>Scrap Criteria</source>
            <translation>Fire Ölçütleri</translation>
        </message>
    </context>
    <context>
        <name>lumora::SettingsRowWindow</name>
        <message>
            <source>Apply</source>
            <translation>Uygula</translation>
        </message>
    </context>
    <context>
        <name>lumora::SheetWindow</name>
        <message>
            <source>Import</source>
            <translation>İçe aktar</translation>
        </message>
        <message>
            <source>Margin set on this side of the stock</source>
            <translation>Stokun bu kenarına verilen pay</translation>
        </message>
        <message>
            <source>Flaws...</source>
            <translation>Hatalar...</translation>
        </message>
        <message>
            <source>The flaws of the sheets of the current row</source>
            <translation>Geçerli satırdaki plakaların hataları</translation>
        </message>
        <message>
            <source>%1 shaded row(s): leftovers from the material library</source>
            <translation>%1 gölgeli satır: malzeme kitaplığından artık parçalar</translation>
        </message>
    </context>
    <context>
        <name>lumora::UnitConversionWindow</name>
        <message>
            <source>Unit Conversion Tool</source>
            <translation>Birim Dönüştürme Aracı</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Kapat</translation>
        </message>
        <message>
            <source>INPUT</source>
            <translation>GİRDİ</translation>
        </message>
        <message>
            <source>OUTPUT</source>
            <translation>ÇIKTI</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Yapıştır</translation>
        </message>
    </context>
</TS>
